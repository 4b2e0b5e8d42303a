#pragma once
// The folder window: a group tree to pick one group from, used to change the
// current group, to remove a group and to choose where a new one goes.
#include <QDialog>
#include <string>

#include "files/groupcommands.h"

class QPushButton;
class QTreeWidget;

namespace orv {

class TChDir : public QDialog {
  Q_OBJECT

 public:
  explicit TChDir(QWidget* parent = nullptr);

  // Shows the tree of root with path preselected under the caption. On OK
  // path becomes the chosen group's path ("\"-joined, no "\" at the end,
  // empty for "Root"); otherwise it keeps its value. Returns the modal result.
  int PickFolder(const std::string& root, std::string& path, const std::string& caption);

 private:
  QTreeWidget* TreeView1;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
};

// The folder window as the group commands pick with it.
FolderPicker PickerOf(TChDir& window);

}  // namespace orv
