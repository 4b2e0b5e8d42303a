#include "orvc/terminal_dialogs.h"

#include <ostream>

#include "orvc/command.h"

namespace orv::orvc {

MsgAnswer TerminalDialogs::Message(MsgKind kind, const std::string& text, MsgButtons buttons) {
  switch (kind) {
    case MsgKind::Error:
      out_ << "error: ";
      break;
    case MsgKind::Warning:
      out_ << "warning: ";
      break;
    default:
      break;
  }
  out_ << text << "\n";
  switch (buttons) {
    case MsgButtons::Ok:
      return MsgAnswer::Ok;
    case MsgButtons::YesNo:
      return MsgAnswer::No;
    default:
      return MsgAnswer::Cancel;
  }
}

std::optional<std::string> TerminalDialogs::Input(const std::string&, const std::string&,
                                                  const std::string&) {
  return std::nullopt;
}

LoginEntry TerminalDialogs::AskLogin() {
  return {"No user", ""};
}

std::pair<std::string, std::string> TerminalDialogs::AskNewPasswordTwice() {
  throw CommandError{"a new password can only be typed in Orv's window", 1};
}

FileDialogResult TerminalDialogs::OpenFile(const FileDialogRequest& request) {
  return {false, request.fileName};
}

}  // namespace orv::orvc
