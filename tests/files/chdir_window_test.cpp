#include "files/chdir_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTreeWidget>
#include <filesystem>
#include <string>

#include "files/groupcommands.h"
#include "support/temp_dir.h"
#include "support/window_driver.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

// A word-list root with three groups, and the current list.
class FolderWindow : public ::testing::Test {
 protected:
  FolderWindow() {
    fs::create_directories(dir_.Path() / "orv.orv" / "Ann.orv" / "Tables.orv");
    fs::create_directories(dir_.Path() / "orv.orv" / "Bob.orv");
  }

  test::TempDir dir_;
  const std::string listRoot_ = dir_.Str() + "orv.orv\\";
  std::string currentDir_;
  std::string currentFile_ = "words0.orv";
  TChDir window_;
};

QTreeWidgetItem* Find(QWidget& window, const char* text) {
  auto* tree = window.findChild<QTreeWidget*>("TreeView1");
  const QList<QTreeWidgetItem*> found =
      tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  EXPECT_EQ(found.size(), 1) << text;
  return found.value(0);
}

TEST_F(FolderWindow, OkGivesTheChosenGroupJoinedWithoutTrailingBackslash) {
  std::string path = "ann.orv";
  test::WindowDriver modal;
  modal.Then("TChDir", "picks Tables.orv, Ok", [](QWidget& window) {
    EXPECT_EQ(window.windowTitle(), "Some caption");
    auto* tree = window.findChild<QTreeWidget*>("TreeView1");
    EXPECT_EQ(tree->currentItem()->text(0), "Ann.orv");
    tree->setCurrentItem(Find(window, "Tables.orv"));
    window.findChild<QPushButton*>("BitBtn1")->click();
  });
  EXPECT_EQ(window_.PickFolder(listRoot_, path, "Some caption"), QDialog::Accepted);
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(path, "Ann.orv\\Tables.orv");
  EXPECT_EQ(window_.findChild<QTreeWidget*>("TreeView1")->topLevelItemCount(), 0);
}

TEST_F(FolderWindow, GroupsSortWithoutRegardToLetterCase) {
  fs::create_directories(dir_.Path() / "orv.orv" / "adam.orv");
  fs::create_directories(dir_.Path() / "orv.orv" / "cara.orv");
  std::string path;
  QStringList order;
  test::WindowDriver modal;
  modal.Then("TChDir", "reads the groups, cancels", [&order](QWidget& window) {
    const QTreeWidgetItem* root = window.findChild<QTreeWidget*>("TreeView1")->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i) order << root->child(i)->text(0);
    window.findChild<QPushButton*>("BitBtn2")->click();
  });
  window_.PickFolder(listRoot_, path, "Order");
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(order, (QStringList{"adam.orv", "Ann.orv", "Bob.orv", "cara.orv"}));
}

TEST_F(FolderWindow, RootGivesAnEmptyPathAndCancelKeepsThePath) {
  std::string path = "Bob.orv";
  test::WindowDriver toRoot;
  toRoot.Then("TChDir", "picks the root, Ok", [](QWidget& window) {
    auto* tree = window.findChild<QTreeWidget*>("TreeView1");
    tree->setCurrentItem(tree->topLevelItem(0));
    window.findChild<QPushButton*>("BitBtn1")->click();
  });
  window_.PickFolder(listRoot_, path, "c");
  EXPECT_TRUE(toRoot.Done());
  EXPECT_EQ(path, "");

  path = "Bob.orv";
  test::WindowDriver cancelled;
  cancelled.Then("TChDir", "picks Ann.orv, cancels", [](QWidget& window) {
    window.findChild<QTreeWidget*>("TreeView1")->setCurrentItem(Find(window, "Ann.orv"));
    window.findChild<QPushButton*>("BitBtn2")->click();
  });
  EXPECT_EQ(window_.PickFolder(listRoot_, path, "c"), QDialog::Rejected);
  EXPECT_TRUE(cancelled.Done());
  EXPECT_EQ(path, "Bob.orv");
}

TEST_F(FolderWindow, ChangeDirectoryThroughTheWindow) {
  currentDir_ = "BOB.ORV\\";
  currentFile_ = "bob.orv";
  test::WindowDriver modal;
  modal.Then("TChDir", "picks Tables.orv, Ok", [](QWidget& window) {
    EXPECT_EQ(window.windowTitle(), "Change Diretory");
    auto* tree = window.findChild<QTreeWidget*>("TreeView1");
    EXPECT_EQ(tree->currentItem()->text(0), "Bob.orv");
    tree->setCurrentItem(Find(window, "Tables.orv"));
    window.findChild<QPushButton*>("BitBtn1")->click();
  });
  ChangeDirectory(listRoot_, currentDir_, currentFile_, PickerOf(window_));
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(currentDir_, "Ann.orv\\Tables.orv\\");
  EXPECT_EQ(currentFile_, "words0.orv");
}

}  // namespace
}  // namespace orv
