#include "files/chdir_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/translate.h"
#include "files/grouptree.h"
#include "files/grouptree_window.h"

namespace orv {

TChDir::TChDir(QWidget* parent) : QDialog(parent) {
  setObjectName("ChDir");
  setWindowTitle(Tr("TChDir", "Change Dir"));

  TreeView1 = new QTreeWidget(this);
  TreeView1->setObjectName("TreeView1");
  TreeView1->setAccessibleName(Tr("TChDir", "Groups"));
  TreeView1->setHeaderHidden(true);
  TreeView1->setSortingEnabled(true);
  TreeView1->sortByColumn(0, Qt::AscendingOrder);
  TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);

  BitBtn1 = new QPushButton(Tr("TChDir", "OK"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(Tr("TChDir", "Cancel"), this);
  BitBtn2->setObjectName("BitBtn2");

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TreeView1, 1);
  layout->addLayout(buttons);
  resize(320, 400);

  connect(TreeView1, &QTreeWidget::currentItemChanged, this, [](QTreeWidgetItem* item) {
    if (item != nullptr) item->setExpanded(true);
  });
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

int TChDir::PickFolder(const std::string& root, std::string& path, const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
  LoadTree(*TreeView1, root, path);
  TreeView1->setFocus();
  const int result = exec();
  if (result == QDialog::Accepted) path = GroupPathOf(NodeNames(TreeView1->currentItem()));
  TreeView1->clear();
  return result;
}

FolderPicker PickerOf(TChDir& window) {
  return [&window](const std::string& root, std::string& path, const std::string& caption) {
    return window.PickFolder(root, path, caption) == QDialog::Accepted;
  };
}

}  // namespace orv
