#include "files/grouptree_window.h"

#include <QTreeWidget>

#include "files/grouptree.h"

namespace orv {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A group node; groups sort without regard to letter case, as the file
// layer finds them.
class GroupItem : public QTreeWidgetItem {
 public:
  using QTreeWidgetItem::QTreeWidgetItem;

  bool operator<(const QTreeWidgetItem& other) const override {
    const int order = text(0).compare(other.text(0), Qt::CaseInsensitive);
    return order != 0 ? order < 0 : text(0) < other.text(0);
  }
};

QTreeWidgetItem* MatchingChild(const QTreeWidgetItem& node, const std::string& part) {
  for (int i = 0; i < node.childCount(); ++i) {
    QTreeWidgetItem* child = node.child(i);
    if (SameGroupName(child->text(0).toStdString(), part)) return child;
  }
  return nullptr;
}

}  // namespace

void LoadTree(QTreeWidget& tree, const std::string& root, const std::string& current) {
  tree.clear();
  auto* top = new QTreeWidgetItem(&tree, QStringList{Text(kRootNodeText)});
  AddFolderNodes(TrimTrailingSeparators(root), *top);
  QTreeWidgetItem* selected = top;
  for (const std::string& part : GroupPathParts(current)) {
    QTreeWidgetItem* child = MatchingChild(*selected, part);
    if (child == nullptr) break;
    selected = child;
  }
  // The groups of the root show at once, and so does the way down to the
  // selected group.
  top->setExpanded(true);
  for (QTreeWidgetItem* up = selected->parent(); up != nullptr; up = up->parent()) {
    up->setExpanded(true);
  }
  tree.setCurrentItem(selected);
  tree.scrollToItem(selected);
}

void AddFolderNodes(const std::string& folder, QTreeWidgetItem& node) {
  for (const std::string& name : GroupFolderNames(folder)) {
    auto* child = new GroupItem(&node, QStringList{Text(name)});
    AddFolderNodes(folder + "\\" + name, *child);
  }
}

std::vector<std::string> NodeNames(const QTreeWidgetItem* item) {
  std::vector<std::string> names;
  for (; item != nullptr && item->parent() != nullptr; item = item->parent()) {
    names.insert(names.begin(), item->text(0).toStdString());
  }
  return names;
}

}  // namespace orv
