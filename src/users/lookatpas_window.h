#pragma once
// The user editor: every user of the password file with his or her level,
// for a super user to change passwords and levels and to delete and add
// users. The password object does the work; the window shows the list.
#include <QDialog>

class QPushButton;
class QTableWidget;

namespace orv {

class Dialogs;
class PasswordO;

class TEditUsers : public QDialog {
  Q_OBJECT

 public:
  TEditUsers(PasswordO& users, Dialogs& dialogs, QWidget* parent = nullptr);

  // Shows the window modally to a super user; "Access denied" to anyone else.
  void OpenEditor();

  // One row per user: name and level.
  void FillGrid();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FitLevelColumn();
  std::string SelectedName() const;
  void ChangePassClick();
  void DeleteClick();
  void AddUserClick();
  void StringGrid1DblClick();

  PasswordO& users_;
  Dialogs& dialogs_;
  QPushButton* ChangePass;
  QPushButton* Delete;
  QPushButton* AddUser;
  QPushButton* BitBtn1;
  QTableWidget* StringGrid1;
};

}  // namespace orv
