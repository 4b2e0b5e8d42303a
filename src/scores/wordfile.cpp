#include "scores/wordfile.h"

#include "base/dialogs.h"
#include "base/translate.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "lists/buffers.h"

namespace orv {
namespace {

// The user's own folder under the word-list root is the whole name (dots
// included) followed by ".orv".
std::string UserFolder(const std::string& user) {
  return FolderNameOf(user) + ".orv";
}

}  // namespace

std::string UserWordFile(const std::string& user) {
  return UserFolder(user) + "\\WrongWords.Orv";
}

std::optional<std::string> NewWordFile(Dialogs& dialogs, const std::string& root,
                                       const std::string& user, const std::string& owner) {
  const std::string name = BaseName(
      dialogs.Input(TrText("wordfile", "New File"), TrText("wordfile", "Input a file name"), "")
          .value_or(""));
  const std::string folder = FolderNameOf(user);
  if (name.empty()) return std::nullopt;
  const std::string path = root + UserFolder(user) + "\\" + name + ".Orv";
  MakePath(path);
  if (FileFound(path)) {
    dialogs.Warning(TrText("wordfile", "File already exists"));
    return std::nullopt;
  }
  if (!dialogs.ConfirmYesNo(
          Filled(TrText("wordfile", "Send SQL output to: %1"), folder + "\\" + name)))
    return std::nullopt;
  if (!EnsureFile(path)) return std::nullopt;
  BufferO ownerFile;
  ownerFile.Add("\"" + owner + "\"");
  const std::string ownerPath = FolderOf(path) + BaseName(path) + ".usr";
  if (const int code = SaveToFile(ownerFile, ownerPath); code != 0) {
    dialogs.Error(Filled(TrText("wordfile", "Could not save who owns the list (%1). %2"), ownerPath,
                         ErrorText(code)));
  }
  return UserFolder(user) + "\\" + name;
}

int WriteWordFile(Dialogs& dialogs, const std::string& root, const std::string& output,
                  const std::vector<std::string>& words) {
  const std::string target = root + output;
  BufferO list;
  for (const std::string& word : words) list.Add(word);
  MakePath(target);
  // The name is cut from the file's own part: the output ann.orv\Practice
  // names Practice.orv, not a file named after its folder.
  const std::string file = FolderOf(target) + BaseName(FileNameOf(target)) + ".orv";
  const int code = SaveToFile(list, file);
  if (code != 0) {
    dialogs.Error(Filled(TrText("wordfile", "Error %1 writing to file\n%2"), std::to_string(code),
                         ErrorTextAt(code, file)));
  } else {
    dialogs.Information(Filled(TrText("wordfile", "%1 words successfully writen to file"),
                               std::to_string(list.Count())));
  }
  return code;
}

}  // namespace orv
