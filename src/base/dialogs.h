#pragma once
// The dialogs port: every question the program asks in the middle of its work
// goes through this interface. The windows implement it with Qt dialogs, the
// command-line tool with the terminal, and tests with a scripted fake.
#include <optional>
#include <string>
#include <utility>

namespace orv {

enum class MsgKind { Plain, Error, Warning, Information, Confirmation };
enum class MsgButtons { Ok, OkCancel, YesNo, YesCancel, Cancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct LoginEntry {
  std::string name;
  std::string password;
};

struct FileDialogRequest {
  std::string caption;
  std::string initialDir;  // may be empty
  std::string fileName;    // preset file name
  std::string filter;      // "Interbase compatible database files(*.gdb)|*.gdb"
  std::string defaultExt;  // "gdb"
};

struct FileDialogResult {
  bool accepted = false;
  std::string fileName;  // the dialog's file name, also when cancelled
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A modal message box of a kind with its buttons; returns the button pressed.
  virtual MsgAnswer Message(MsgKind kind, const std::string& text, MsgButtons buttons) = 0;

  // An input box; std::nullopt when cancelled. Callers that keep the preset
  // on cancel use value_or(preset).
  virtual std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                           const std::string& preset) = 0;

  // The log-in dialog; a cancelled dialog answers the name "No user" and an
  // empty password.
  virtual LoginEntry AskLogin() = 0;

  // The new-password dialog: the two entries of a password typed twice;
  // std::nullopt when cancelled.
  virtual std::optional<std::pair<std::string, std::string>> AskNewPasswordTwice() = 0;

  // The open-file dialog used to choose a database file.
  virtual FileDialogResult OpenFile(const FileDialogRequest& request) = 0;

  // Convenience forms of Message.
  void ShowMessage(const std::string& text) { Message(MsgKind::Plain, text, MsgButtons::Ok); }
  void Error(const std::string& text) { Message(MsgKind::Error, text, MsgButtons::Ok); }
  void Warning(const std::string& text) { Message(MsgKind::Warning, text, MsgButtons::Ok); }
  void Information(const std::string& text) { Message(MsgKind::Information, text, MsgButtons::Ok); }
  bool ConfirmYesNo(const std::string& text, MsgKind kind = MsgKind::Confirmation) {
    return Message(kind, text, MsgButtons::YesNo) == MsgAnswer::Yes;
  }
};

}  // namespace orv
