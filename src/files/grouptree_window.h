#pragma once
// The group tree in a tree view, shared by the open-file and folder windows.
#include <string>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace orv {

// Fills the tree with the top node "Root" and the groups of root below it,
// and selects the node of the group path current (letter case ignored; the
// deepest node that matches stays selected).
void LoadTree(QTreeWidget& tree, const std::string& root, const std::string& current);

// Adds a node under node for every group folder in folder, each with the
// groups inside it, depth first.
void AddFolderNodes(const std::string& folder, QTreeWidgetItem& node);

// The node names from below the top node down to item, outermost first;
// empty for the top node or no item.
std::vector<std::string> NodeNames(const QTreeWidgetItem* item);

}  // namespace orv
