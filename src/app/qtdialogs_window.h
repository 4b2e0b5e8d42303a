#pragma once
// The dialogs port answered with Qt's dialogs and the program's log-in window.
#include "base/dialogs.h"

class QWidget;

namespace orv {

class TLoginForm;

class QtDialogs : public Dialogs {
 public:
  // parent: the window the dialogs stand in front of (may be null).
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

  void SetParent(QWidget* parent) { parent_ = parent; }
  void SetLoginForm(TLoginForm* login) { login_ = login; }

  MsgAnswer Message(MsgKind kind, const std::string& text, MsgButtons buttons) override;
  std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                   const std::string& preset) override;
  LoginEntry AskLogin() override;
  // Raises EProgramEnding when the end of the program closed the window.
  std::optional<std::pair<std::string, std::string>> AskNewPasswordTwice() override;
  FileDialogResult OpenFile(const FileDialogRequest& request) override;

 private:
  TLoginForm& Login();

  QWidget* parent_;
  TLoginForm* login_ = nullptr;
};

// "Name|*.gdb|Other|*.x" as Qt's filter "Name (*.gdb);;Other (*.x)".
std::string QtFileFilter(const std::string& filter);

}  // namespace orv
