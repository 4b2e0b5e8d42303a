#include "files/groupcommands.h"

#include "app/programpaths.h"
#include "app/startupfile.h"
#include "base/dialogs.h"
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
    return "About to create directory " + Quoted(name) + " In the root spelling directory";
  }
  return "About to create directory " + Quoted(name) + " as a sub dir of " + Quoted(host);
}

void NewFolder(Dialogs& dialogs, const FolderPicker& pick) {
  std::string host;
  if (!pick(Paths().listRoot, host, "Please chooses a host dir")) return;
  const std::optional<std::string> typed =
      dialogs.Input("New directory", "Type In a name:", "New dir");
  if (!typed) return;
  const std::string name = BaseName(*typed);
  if (name.empty()) return;
  if (dialogs.Message(MsgKind::Confirmation, NewFolderQuestion(name, host), MsgButtons::OkCancel) !=
      MsgAnswer::Ok) {
    return;
  }
  MakePath(Paths().listRoot + host + "\\" + name + ".orv\\");
}

void ChangeDirectory(const FolderPicker& pick) {
  StartUpSettings& s = Settings();
  pick(Paths().listRoot, s.CurrentDir, "Change Diretory");
  s.CurrentDir = NormalisedGroupDir(s.CurrentDir);
  s.CurrentFile = "words0.orv";
}

void RemoveGroup(Dialogs& dialogs, const FolderPicker& pick) {
  std::string chosen = Settings().CurrentDir;
  if (!pick(Paths().listRoot, chosen, "Directory to remove")) return;
  // An empty choice is the word-list root itself, which every group and list
  // lives in: it is never removed.
  const int code = chosen.empty() ? kCannotRemoveRoot : RemoveDir(Paths().listRoot + chosen);
  if (code != 0) dialogs.Error(ErrorText(code));
}

}  // namespace orv
