#pragma once
// The dialogs of orvc: messages go to a stream as one line each, and every
// question is declined, because scripts run without anyone to answer.
#include <iosfwd>

#include "app/dialogs.h"

namespace orv::orvc {

class TerminalDialogs : public Dialogs {
 public:
  explicit TerminalDialogs(std::ostream& out) : out_(out) {}

  MsgAnswer Message(MsgKind kind, const std::string& text, MsgButtons buttons) override;
  std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                   const std::string& preset) override;
  LoginEntry AskLogin() override;
  // Raise CommandError: these dialogs need someone at a window.
  std::pair<std::string, std::string> AskNewPasswordTwice() override;
  FileDialogResult OpenFile(const FileDialogRequest& request) override;

 private:
  std::ostream& out_;
};

}  // namespace orv::orvc
