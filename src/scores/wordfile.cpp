#include "scores/wordfile.h"

#include "base/dialogs.h"
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
  const std::string name =
      BaseName(dialogs.Input("New File", "Input a file name", "").value_or(""));
  const std::string folder = FolderNameOf(user);
  if (name.empty()) return std::nullopt;
  const std::string path = root + UserFolder(user) + "\\" + name + ".Orv";
  MakePath(path);
  if (FileFound(path)) {
    dialogs.Warning("File already exists");
    return std::nullopt;
  }
  if (!dialogs.ConfirmYesNo("Send SQL output to: " + folder + "\\" + name)) return std::nullopt;
  if (!EnsureFile(path)) return std::nullopt;
  BufferO ownerFile;
  ownerFile.Add("\"" + owner + "\"");
  const std::string ownerPath = FolderOf(path) + BaseName(path) + ".usr";
  if (const int code = SaveToFile(ownerFile, ownerPath); code != 0) {
    dialogs.Error("Could not save who owns the list (" + ownerPath + "). " + ErrorText(code));
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
    dialogs.Error("Error " + std::to_string(code) + " writing to file\n" + ErrorTextAt(code, file));
  } else {
    dialogs.Information(std::to_string(list.Count()) + " words successfully writen to file");
  }
  return code;
}

}  // namespace orv
