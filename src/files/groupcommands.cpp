#include "files/groupcommands.h"

#include "base/dialogs.h"
#include "base/translate.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "files/grouptree.h"

namespace orv {
namespace {

// The I/O code for removing the folder a process stands in; the word-list
// root is refused with it.
constexpr int kCannotRemoveRoot = 16;

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

std::string NewFolderQuestion(const std::string& name, const std::string& host) {
  if (host.empty()) {
    return Filled(
        TrText("groupcommands", "About to create directory %1 In the root spelling directory"),
        Quoted(name));
  }
  return Filled(TrText("groupcommands", "About to create directory %1 as a sub dir of %2"),
                Quoted(name), Quoted(host));
}

void NewFolder(Dialogs& dialogs, const std::string& listRoot, const FolderPicker& pick) {
  std::string host;
  if (!pick(listRoot, host, TrText("groupcommands", "Please chooses a host dir"))) return;
  const std::optional<std::string> typed =
      dialogs.Input(TrText("groupcommands", "New directory"),
                    TrText("groupcommands", "Type In a name:"), TrText("groupcommands", "New dir"));
  if (!typed) return;
  const std::string name = BaseName(*typed);
  if (name.empty()) return;
  if (dialogs.Message(MsgKind::Confirmation, NewFolderQuestion(name, host), MsgButtons::OkCancel) !=
      MsgAnswer::Ok) {
    return;
  }
  MakePath(listRoot + host + "\\" + name + ".orv\\");
}

void ChangeDirectory(const std::string& listRoot, std::string& currentDir, std::string& currentFile,
                     const FolderPicker& pick) {
  pick(listRoot, currentDir, TrText("groupcommands", "Change Diretory"));
  currentDir = NormalisedGroupDir(currentDir);
  currentFile = "words0.orv";
}

void RemoveGroup(Dialogs& dialogs, const std::string& listRoot, const std::string& currentDir,
                 const FolderPicker& pick) {
  std::string chosen = currentDir;
  if (!pick(listRoot, chosen, TrText("groupcommands", "Directory to remove"))) return;
  // An empty choice is the word-list root itself, which every group and list
  // lives in: it is never removed.
  const int code = chosen.empty() ? kCannotRemoveRoot : RemoveDir(listRoot + chosen);
  if (code != 0) dialogs.Error(ErrorTextAt(code, listRoot + chosen));
}

}  // namespace orv
