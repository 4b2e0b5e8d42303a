#include "files/openfile_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "files/grouptree_window.h"
#include "support/temp_dir.h"
#include "support/window_driver.h"

namespace orv {
namespace {

using Names = std::vector<std::string>;

std::string Lines(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i) text += "word" + std::to_string(i) + "\n";
  return text;
}

// A word-list root with groups, a folder that is not a group, and lists; the
// current list the window is given.
class OpenFileWindow : public ::testing::Test {
 protected:
  OpenFileWindow() {
    dir_.Write("orv.orv/words0.orv", Lines(3));
    dir_.Write("orv.orv/nine.orv", Lines(9));
    dir_.Write("orv.orv/ten.orv", Lines(10));
    dir_.Write("orv.orv/Ann.orv/sums.orv", Lines(2));
    dir_.Write("orv.orv/Ann.orv/Tables.orv/times.orv", Lines(12));
    dir_.Write("orv.orv/Bob.orv/bob.orv", Lines(1));
    dir_.Write("orv.orv/plain/hidden.orv", Lines(5));
  }

  int Open() { return form_.OpenListDialog(listRoot_, currentDir_, currentFile_); }

  test::TempDir dir_;
  const std::string listRoot_ = dir_.Str() + "orv.orv\\";
  std::string currentDir_;
  std::string currentFile_ = "words0.orv";
  TOpenFileForm form_;
};

Names Children(const QTreeWidgetItem& item) {
  Names names;
  for (int i = 0; i < item.childCount(); ++i) names.push_back(item.child(i)->text(0).toStdString());
  return names;
}

QTreeWidgetItem* Child(QTreeWidgetItem& item, const char* text) {
  for (int i = 0; i < item.childCount(); ++i) {
    if (item.child(i)->text(0) == text) return item.child(i);
  }
  ADD_FAILURE() << "no node " << text;
  return &item;
}

Names ListColumn(const QTreeWidget& list, int column) {
  Names names;
  for (int i = 0; i < list.topLevelItemCount(); ++i) {
    names.push_back(list.topLevelItem(i)->text(column).toStdString());
  }
  return names;
}

TEST_F(OpenFileWindow, TheTreeHoldsOnlyGroupsUnderRoot) {
  QTreeWidget tree;
  tree.setSortingEnabled(true);
  tree.sortByColumn(0, Qt::AscendingOrder);
  LoadTree(tree, listRoot_, "");
  ASSERT_EQ(tree.topLevelItemCount(), 1);
  QTreeWidgetItem& top = *tree.topLevelItem(0);
  EXPECT_EQ(top.text(0), "Root");
  EXPECT_EQ(Children(top), (Names{"Ann.orv", "Bob.orv"}));
  EXPECT_EQ(Children(*Child(top, "Ann.orv")), (Names{"Tables.orv"}));
  EXPECT_EQ(tree.currentItem(), &top);
  EXPECT_TRUE(top.isExpanded());
}

TEST_F(OpenFileWindow, PreselectionIgnoresLetterCaseAndStopsAtTheDeepestMatch) {
  QTreeWidget tree;
  LoadTree(tree, listRoot_, "ANN.ORV\\tables.ORV\\");
  ASSERT_NE(tree.currentItem(), nullptr);
  EXPECT_EQ(tree.currentItem()->text(0), "Tables.orv");
  EXPECT_EQ(NodeNames(tree.currentItem()), (Names{"Ann.orv", "Tables.orv"}));
  EXPECT_TRUE(tree.currentItem()->parent()->isExpanded());

  LoadTree(tree, listRoot_, "ann.orv\\gone.orv\\");
  EXPECT_EQ(tree.currentItem()->text(0), "Ann.orv");
  LoadTree(tree, listRoot_, "plain\\");
  EXPECT_EQ(tree.currentItem()->text(0), "Root");
}

TEST_F(OpenFileWindow, ListsShowInWordCountTextOrder) {
  test::WindowDriver modal;
  modal.Then("TOpenFileForm", "reads the lists, closes", [](QWidget& window) {
    auto* list = window.findChild<QTreeWidget*>("ListView1");
    EXPECT_EQ(ListColumn(*list, 0), (Names{"ten.orv", "words0.orv", "nine.orv"}));
    EXPECT_EQ(ListColumn(*list, 1), (Names{"10", "3", "9"}));
    EXPECT_EQ(list->headerItem()->text(0), "FileName");
    EXPECT_EQ(list->headerItem()->text(1), "Words");
    EXPECT_EQ(list->columnWidth(0), 285);
    EXPECT_EQ(window.findChild<QLabel*>("Label1")->text(), "words0.orv");
    EXPECT_EQ(window.windowTitle(), "Open orv file");
    EXPECT_EQ(window.findChild<QPushButton*>("BitBtn3")->text(), "&Open");
    EXPECT_EQ(window.findChild<QPushButton*>("BitBtn2")->toolTip(), "Not finished");
    test::SaveScreenshot(window, "open-file-window");
    window.findChild<QPushButton*>("BitBtn1")->click();
  });
  EXPECT_EQ(Open(), QDialog::Rejected);
  EXPECT_TRUE(modal.Done());
}

TEST_F(OpenFileWindow, BrowsingGroupsAndOpeningAList) {
  currentDir_ = "ann.orv\\";
  test::WindowDriver modal;
  modal.Then("TOpenFileForm", "browses the groups, opens a list", [this](QWidget& window) {
    auto* tree = window.findChild<QTreeWidget*>("TreeViewDir");
    auto* list = window.findChild<QTreeWidget*>("ListView1");
    auto* label = window.findChild<QLabel*>("Label1");
    QTreeWidgetItem* ann = tree->currentItem();
    ASSERT_EQ(ann->text(0), "Ann.orv");
    EXPECT_EQ(ListColumn(*list, 0), (Names{"sums.orv"}));

    tree->setCurrentItem(Child(*ann, "Tables.orv"));
    EXPECT_EQ(currentDir_, "Ann.orv\\Tables.orv\\");
    EXPECT_EQ(ListColumn(*list, 0), (Names{"times.orv"}));
    EXPECT_EQ(label->text(), "Ann.orv\\Tables.orv\\words0.orv");

    tree->setCurrentItem(tree->topLevelItem(0));
    EXPECT_EQ(currentDir_, "");
    EXPECT_EQ(ListColumn(*list, 0), (Names{"ten.orv", "words0.orv", "nine.orv"}));

    tree->setCurrentItem(Child(*tree->topLevelItem(0), "Bob.orv"));
    list->setCurrentItem(list->topLevelItem(0));
    window.findChild<QPushButton*>("BitBtn3")->click();
  });
  EXPECT_EQ(Open(), QDialog::Accepted);
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(currentDir_, "Bob.orv\\");
  EXPECT_EQ(currentFile_, "bob.orv");
}

TEST_F(OpenFileWindow, CancelAfterBrowsingRestoresTheStartingGroup) {
  currentDir_ = "ANN.orv\\";
  test::WindowDriver modal;
  modal.Then("TOpenFileForm", "browses the groups, cancels", [this](QWidget& window) {
    auto* tree = window.findChild<QTreeWidget*>("TreeViewDir");
    QTreeWidgetItem* top = tree->topLevelItem(0);
    tree->setCurrentItem(Child(*top, "Bob.orv"));
    tree->setCurrentItem(top);
    tree->setCurrentItem(Child(*Child(*top, "Ann.orv"), "Tables.orv"));
    EXPECT_EQ(currentDir_, "Ann.orv\\Tables.orv\\");
    window.findChild<QPushButton*>("BitBtn1")->click();
  });
  EXPECT_EQ(Open(), QDialog::Rejected);
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(currentDir_, "ANN.orv\\");
  EXPECT_EQ(currentFile_, "words0.orv");
}

TEST_F(OpenFileWindow, OpenWithoutAListKeepsTheFileNameAndTakesTheGroup) {
  currentFile_ = "sums.orv";
  test::WindowDriver modal;
  modal.Then("TOpenFileForm", "double-clicks below the lists, opens", [](QWidget& window) {
    auto* tree = window.findChild<QTreeWidget*>("TreeViewDir");
    auto* list = window.findChild<QTreeWidget*>("ListView1");
    tree->setCurrentItem(Child(*tree->topLevelItem(0), "Ann.orv"));
    // A double click below the lists opens nothing: the window stays.
    ASSERT_EQ(list->topLevelItemCount(), 1);
    test::DoubleClickAt(*list->viewport(), QPointF(10, list->viewport()->height() - 5));
    EXPECT_TRUE(window.isVisible());
    window.findChild<QPushButton*>("BitBtn3")->click();
  });
  EXPECT_EQ(Open(), QDialog::Accepted);
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(currentDir_, "Ann.orv\\");
  EXPECT_EQ(currentFile_, "sums.orv");
}

TEST_F(OpenFileWindow, DoubleClickOnAListOpensIt) {
  test::WindowDriver modal;
  modal.Then("TOpenFileForm", "double-clicks a list", [](QWidget& window) {
    auto* list = window.findChild<QTreeWidget*>("ListView1");
    test::DoubleClick(*list, list->model()->index(2, 0));
  });
  EXPECT_EQ(Open(), QDialog::Accepted);
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(currentDir_, "");
  EXPECT_EQ(currentFile_, "nine.orv");
}

}  // namespace
}  // namespace orv
