#pragma once
// The wrong-word window: the log window's query, counted per word with
// optional count limits, written out as a word list to practise.
#include "scores/logquery_window.h"

class QSpinBox;

namespace orv {

class TSU1 : public TSU {
  Q_OBJECT

 public:
  TSU1(ScoreDatabase& database, DataSet& dataSet, const ScoreWindowHost& host, Dialogs& dialogs,
       QWidget* parent = nullptr);

  void updateUserList() override;
  // "&New": a new output file in the chosen user's folder.
  void BitBtn1Click();
  // "Crea&te file": the words of the result into the output file.
  void BitBtn2Click();

 protected:
  std::string BuildSql(bool report) override;
  void ShowCurrentUserClick() override;
  void ShowAllUserClick() override;
  void PickFromListClick() override;
  void UserListChange() override;
  void Count1Click() override;

 private:
  void BuildCountControls();
  void ShowUserFile();

  QCheckBox* CountG;
  QSpinBox* SpinEdit1;
  QCheckBox* CountL;
  QSpinBox* SpinEdit2;
  QLabel* Label5;
  QLabel* Label4;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
};

}  // namespace orv
