#pragma once
// The log-in window: asks for a user name and password, or, in its second
// mode, for a new password twice. One window serves both; its texts are
// put back after each new-password use.
#include <QDialog>
#include <optional>
#include <string>
#include <utility>

#include "base/dialogs.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace orv {

class PasswordO;
struct ProgramPaths;

class TLoginForm : public QDialog {
  Q_OBJECT

 public:
  // The user list comes from users; the last user's file is in the paths'
  // program directory.
  TLoginForm(const PasswordO& users, const ProgramPaths& paths, QWidget* parent = nullptr);

  // The user's entry; a cancelled window gives "No user" and an empty password.
  LoginEntry AskLogin();
  // The two entries of a new password typed twice; std::nullopt when cancelled.
  std::optional<std::pair<std::string, std::string>> AskNewPasswordTwice();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void NameEnter();
  void FormHide();
  void UsersListChange();
  void PaswordEnter();
  void PaswordExit();
  void SetLoginTexts();
  // While wrong tries for the name typed make the next one wait, OK is off
  // and the window counts the seconds down.
  void ShowWait();

  const PasswordO& users_;
  const ProgramPaths& paths_;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QComboBox* UsersList;
  QLineEdit* Name;
  QLineEdit* Pasword;
  QPushButton* ok;
  QPushButton* BitBtn2;
  QTimer* waitTimer_;
};

}  // namespace orv
