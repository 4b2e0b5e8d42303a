#include "files/openfile_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/translate.h"
#include "files/grouptree.h"
#include "files/grouptree_window.h"
#include "files/listfiles.h"
#include "widgets/formhelpers_window.h"

namespace orv {
namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// A list of the group; the list control orders its items by the window's
// comparison.
class ListFileItem : public QTreeWidgetItem {
 public:
  explicit ListFileItem(ListFileEntry entry)
      : QTreeWidgetItem(QStringList{Text(entry.fileName), Text(entry.words.value_or(""))}),
        entry_(std::move(entry)) {}

  bool operator<(const QTreeWidgetItem& other) const override {
    return ListEntryBefore(entry_, static_cast<const ListFileItem&>(other).entry_);
  }

  const std::string& FileName() const { return entry_.fileName; }

 private:
  ListFileEntry entry_;
};

}  // namespace

TOpenFileForm::TOpenFileForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("OpenFileForm");
  setWindowTitle(Tr("TOpenFileForm", "Open orv file"));

  TreeViewDir = new QTreeWidget(this);
  TreeViewDir->setObjectName("TreeViewDir");
  TreeViewDir->setAccessibleName(Tr("TOpenFileForm", "Groups"));
  TreeViewDir->setHeaderHidden(true);
  TreeViewDir->setSortingEnabled(true);
  TreeViewDir->sortByColumn(0, Qt::AscendingOrder);
  TreeViewDir->setEditTriggers(QAbstractItemView::NoEditTriggers);
  SetHint(TreeViewDir,
          Tr("TOpenFileForm",
             "|Choose a group from this pain. Click the + to expand. Use the pain on the right to "
             "choose a file"));

  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName("ListView1");
  ListView1->setAccessibleName(Tr("TOpenFileForm", "Files"));
  ListView1->setRootIsDecorated(false);
  ListView1->setColumnCount(2);
  ListView1->setHeaderLabels({Tr("TOpenFileForm", "FileName"), Tr("TOpenFileForm", "Words")});
  ListView1->setColumnWidth(0, 285);
  ListView1->header()->setSectionsClickable(false);
  ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListView1->setSortingEnabled(true);
  ListView1->sortByColumn(0, Qt::AscendingOrder);
  // The order is the window's own; the header offers no other.
  ListView1->header()->setSortIndicatorShown(false);
  SetHint(ListView1,
          Tr("TOpenFileForm",
             "| Choose a file from this pain use the pain on the left to choose a group. "));

  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");

  BitBtn3 = new QPushButton(Tr("TOpenFileForm", "&Open"), this);
  BitBtn3->setObjectName("BitBtn3");
  BitBtn3->setDefault(true);
  BitBtn1 = new QPushButton(Tr("TOpenFileForm", "Cancel"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn2 = new QPushButton(Tr("TOpenFileForm", "&Help"), this);
  BitBtn2->setObjectName("BitBtn2");
  SetHint(BitBtn2, Tr("TOpenFileForm", "Not finished"));

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName("StatusBar1");
  StatusBar1->setSizeGripEnabled(false);

  auto* panes = new QHBoxLayout;
  panes->addWidget(TreeViewDir, 1);
  panes->addWidget(ListView1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Label1, 1);
  buttons->addWidget(BitBtn3);
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(panes, 1);
  layout->addLayout(buttons);
  layout->addWidget(StatusBar1);
  resize(640, 400);

  connect(TreeViewDir, &QTreeWidget::currentItemChanged, this, &TOpenFileForm::TreeViewDirChange);
  connect(BitBtn3, &QPushButton::clicked, this, &TOpenFileForm::BitBtn3Click);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
  connect(ListView1, &QTreeWidget::itemDoubleClicked, this, &TOpenFileForm::ListView1DblClick);
}

int TOpenFileForm::OpenListDialog(const std::string& listRoot, std::string& currentDir,
                                  std::string& currentFile) {
  listRoot_ = listRoot;
  currentDir_ = &currentDir;
  currentFile_ = &currentFile;
  filling_ = true;
  savedDir_ = currentDir;
  FillFileList();
  LoadTree(*TreeViewDir, listRoot_, currentDir);
  filling_ = false;
  const int result = exec();
  if (result != QDialog::Accepted) currentDir = savedDir_;
  currentDir_ = nullptr;
  currentFile_ = nullptr;
  return result;
}

void TOpenFileForm::FillFileList() {
  ListView1->hide();
  ListView1->clear();
  for (ListFileEntry& entry : ListFilesOf(listRoot_ + *currentDir_)) {
    ListView1->addTopLevelItem(new ListFileItem(std::move(entry)));
  }
  Label1->setText(Text(*currentDir_ + *currentFile_));
  ListView1->show();
}

bool TOpenFileForm::event(QEvent* e) {
  // A dialog has no status bar of its own: hints are shown in StatusBar1.
  if (e->type() == QEvent::StatusTip) {
    StatusBar1->showMessage(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  return QDialog::event(e);
}

void TOpenFileForm::TreeViewDirChange() {
  // Only the user's choices while the window is open change the current group.
  if (filling_ || currentDir_ == nullptr) return;
  const std::string path = GroupDirOf(NodeNames(TreeViewDir->currentItem()));
  if (path == *currentDir_) return;
  *currentDir_ = path;
  FillFileList();
}

bool TOpenFileForm::TakeSelectedList() {
  const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
  if (selected.isEmpty()) return false;
  *currentFile_ = static_cast<const ListFileItem*>(selected.front())->FileName();
  return true;
}

void TOpenFileForm::BitBtn3Click() {
  // With no list selected the group browsed to becomes current all the same.
  TakeSelectedList();
  accept();
}

void TOpenFileForm::ListView1DblClick() {
  if (TakeSelectedList()) accept();
}

}  // namespace orv
