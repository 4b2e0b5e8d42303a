#include "orvc/consoledialogs.h"

#include <ostream>

#include "orvc/command.h"

namespace orv::orvc {
namespace {

const char* KindLabel(MsgKind kind) {
  switch (kind) {
    case MsgKind::Error:
      return "orvc: error:";
    case MsgKind::Warning:
      return "orvc: warning:";
    case MsgKind::Information:
      return "orvc: information:";
    case MsgKind::Confirmation:
      return "orvc: question (answered no):";
    case MsgKind::Plain:
      break;
  }
  return "orvc:";
}

// Message texts often begin with a blank of their own.
const char* Separator(const std::string& text) {
  return (!text.empty() && text.front() == ' ') ? "" : " ";
}

}  // namespace

MsgAnswer ConsoleDialogs::Message(MsgKind kind, const std::string& text, MsgButtons buttons) {
  err_ << KindLabel(kind) << Separator(text) << text << "\n";
  switch (buttons) {
    case MsgButtons::Ok:
      return MsgAnswer::Ok;
    case MsgButtons::YesNo:
      return MsgAnswer::No;
    case MsgButtons::OkCancel:
    case MsgButtons::YesCancel:
    case MsgButtons::Cancel:
      break;
  }
  return MsgAnswer::Cancel;
}

std::optional<std::string> ConsoleDialogs::Input(const std::string& caption,
                                                 const std::string& prompt, const std::string&) {
  err_ << "orvc: " << caption << ": " << prompt << " (not asked; cancelled)\n";
  return std::nullopt;
}

LoginEntry ConsoleDialogs::AskLogin() {
  return {"No user", ""};
}

std::optional<std::pair<std::string, std::string>> ConsoleDialogs::AskNewPasswordTwice() {
  throw CommandError{"a new password can only be typed in Orv's window", 1};
}

FileDialogResult ConsoleDialogs::OpenFile(const FileDialogRequest& request) {
  return {false, request.fileName};
}

}  // namespace orv::orvc
