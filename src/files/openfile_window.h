#pragma once
// The open-file window: the group tree on the left, the lists of the chosen
// group on the right. It works on the current folder and file it is given
// directly, so a group browsed to is current while the window is open.
#include <QDialog>
#include <string>

class QLabel;
class QPushButton;
class QStatusBar;
class QTreeWidget;

namespace orv {

class TOpenFileForm : public QDialog {
  Q_OBJECT

 public:
  explicit TOpenFileForm(QWidget* parent = nullptr);

  // Shows the groups under listRoot (ending in a separator) with the current
  // list's folder (empty or ending in "\") and file preselected; afterwards
  // currentDir and currentFile name the chosen list, or are as before when
  // the window was cancelled. Returns the modal result.
  int OpenListDialog(const std::string& listRoot, std::string& currentDir,
                     std::string& currentFile);

 protected:
  bool event(QEvent* e) override;

 private:
  // Fills the list with the lists of the current group and names the
  // current list in the label.
  void FillFileList();
  void TreeViewDirChange();
  // Makes the selected list current; false when none is selected.
  bool TakeSelectedList();
  void BitBtn3Click();
  void ListView1DblClick();

  QTreeWidget* TreeViewDir;
  QTreeWidget* ListView1;
  QLabel* Label1;
  QPushButton* BitBtn3;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
  QStatusBar* StatusBar1;

  // What OpenListDialog was given, for as long as the window is open.
  std::string listRoot_;
  std::string* currentDir_ = nullptr;
  std::string* currentFile_ = nullptr;
  std::string savedDir_;
  // Set while the tree is being filled, when its changes are not the user's.
  bool filling_ = false;
};

}  // namespace orv
