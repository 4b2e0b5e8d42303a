#include "users/lookatpas_window.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <memory>
#include <string>
#include <vector>

#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "support/test_users.h"
#include "support/window_driver.h"
#include "users/password.h"

namespace orv {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

QTableWidget& Grid(QWidget& window) {
  return *window.findChild<QTableWidget*>("StringGrid1");
}

Rows RowsOf(QTableWidget& grid) {
  Rows rows;
  for (int r = 0; r < grid.rowCount(); ++r) {
    rows.emplace_back(grid.item(r, 0)->text().toStdString(), grid.item(r, 1)->text().toStdString());
  }
  return rows;
}

class UserEditor : public ::testing::Test {
 protected:
  TEditUsers& EditorFor(const std::string& who) {
    users_ = test::LoggedIn(dir_, dialogs_, test::StandardUsers(), who);
    window_ = std::make_unique<TEditUsers>(*users_, dialogs_);
    return *window_;
  }

  test::TempDir dir_;
  test::FakeDialogs dialogs_;
  std::unique_ptr<PasswordO> users_;
  std::unique_ptr<TEditUsers> window_;
};

TEST_F(UserEditor, Level254IsRefused) {
  TEditUsers& editor = EditorFor("BOB");
  test::WindowDriver modal;
  modal.Then("TEditUsers", "closes", [](QWidget& window) { window.close(); });
  editor.OpenEditor();
  EXPECT_TRUE(modal.Log().empty());
  EXPECT_EQ(dialogs_.Texts(), std::vector<std::string>{"Access denied"});
}

TEST_F(UserEditor, TheGridListsEveryUserWithTheLevel) {
  TEditUsers& editor = EditorFor("ADMIN");
  test::WindowDriver modal;
  modal.Then("TEditUsers", "reads the grid, closes", [](QWidget& window) {
    EXPECT_EQ(window.windowTitle(), "EditUsers");
    QTableWidget& grid = Grid(window);
    EXPECT_EQ(grid.horizontalHeaderItem(0)->text(), "User name");
    EXPECT_EQ(grid.horizontalHeaderItem(1)->text(), "Acsses level");
    EXPECT_EQ(grid.columnWidth(0), 586);
    EXPECT_GE(grid.columnWidth(1), 69) << "69, or wider where the title needs it";
    EXPECT_EQ(RowsOf(grid), (Rows{{"ADMIN", "255"}, {"ANN", "100"}, {"BOB", "254"}}));
    EXPECT_EQ(window.findChild<QPushButton*>("ChangePass")->toolTip(),
              "Change the password for the slected user");
    test::SaveScreenshot(window, "user-editor");
    window.close();
  });
  editor.OpenEditor();
  EXPECT_TRUE(modal.Done());
}

TEST_F(UserEditor, DoubleClickOnALevelSetsItAndOnANameIsRefused) {
  TEditUsers& editor = EditorFor("ADMIN");
  dialogs_.inputs.push_back("999");
  test::WindowDriver modal;
  modal.Then("TEditUsers", "double-clicks a level and a name", [this](QWidget& window) {
    QTableWidget& grid = Grid(window);
    test::DoubleClick(grid, grid.model()->index(1, 1));
    EXPECT_EQ(RowsOf(grid)[1], (std::pair<std::string, std::string>{"ANN", "255"}));
    EXPECT_EQ(dialogs_.inputBoxes.back().preset, "100");

    dialogs_.messages.clear();
    test::DoubleClick(grid, grid.model()->index(2, 0));
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text, "Sorry can not edit the user name");
    EXPECT_EQ(dialogs_.messages[0].buttons, MsgButtons::Cancel);
    EXPECT_EQ(dialogs_.inputBoxes.size(), 1u);
    window.close();
  });
  editor.OpenEditor();
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(users_->FindUser("ANN").level, 255);
  EXPECT_EQ(users_->FindUser("BOB").level, 254);
}

TEST_F(UserEditor, TheGridFollowsAddsAndDeletesAtOnce) {
  TEditUsers& editor = EditorFor("ADMIN");
  dialogs_.inputs.push_back("carol");
  dialogs_.newPasswords.push_back({"pw", "pw"});
  test::WindowDriver modal;
  modal.Then("TEditUsers", "adds and deletes a user", [this](QWidget& window) {
    QTableWidget& grid = Grid(window);
    window.findChild<QPushButton*>("AddUser")->click();
    EXPECT_EQ(RowsOf(grid),
              (Rows{{"ADMIN", "255"}, {"ANN", "100"}, {"BOB", "254"}, {"carol", "0"}}));

    grid.setCurrentCell(1, 0);
    window.findChild<QPushButton*>("Delete")->click();
    EXPECT_EQ(RowsOf(grid), (Rows{{"ADMIN", "255"}, {"BOB", "254"}, {"carol", "0"}}));
    EXPECT_EQ(dialogs_.Texts().back(), "Delete user ANN");
    window.close();
  });
  editor.OpenEditor();
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(users_->UserCount(), 3);
  EXPECT_EQ(users_->IndexOfUser("ANN"), -1);
}

TEST_F(UserEditor, ChangePassGoesToTheSelectedUser) {
  TEditUsers& editor = EditorFor("ADMIN");
  dialogs_.newPasswords.push_back({"fresh", "fresh"});
  test::WindowDriver modal;
  modal.Then("TEditUsers", "changes BOB's password", [](QWidget& window) {
    QTableWidget& grid = Grid(window);
    grid.setCurrentCell(2, 1);
    window.findChild<QPushButton*>("ChangePass")->click();
    EXPECT_EQ(RowsOf(grid), (Rows{{"ADMIN", "255"}, {"ANN", "100"}, {"BOB", "254"}}));
    window.close();
  });
  editor.OpenEditor();
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(users_->Authenticate("BOB", "fresh"), 254);
  EXPECT_EQ(users_->Authenticate("BOB", "bobpw"), -2);
}

}  // namespace
}  // namespace orv
