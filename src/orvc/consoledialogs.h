#pragma once
// The dialogs of orvc: messages go to the error stream, questions are never
// asked (orvc runs in scripts), and every dialog takes its safe default: OK
// where OK is the only button, otherwise No or Cancel; input boxes, log-in and
// file dialogs count as cancelled, and a new password is refused.
#include <iosfwd>

#include "base/dialogs.h"

namespace orv::orvc {

class ConsoleDialogs : public Dialogs {
 public:
  explicit ConsoleDialogs(std::ostream& err) : err_(err) {}

  MsgAnswer Message(MsgKind kind, const std::string& text, MsgButtons buttons) override;
  std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                   const std::string& preset) override;
  LoginEntry AskLogin() override;
  // Raises CommandError: a new password needs someone at a window.
  std::optional<std::pair<std::string, std::string>> AskNewPasswordTwice() override;
  FileDialogResult OpenFile(const FileDialogRequest& request) override;

 private:
  std::ostream& err_;
};

}  // namespace orv::orvc
