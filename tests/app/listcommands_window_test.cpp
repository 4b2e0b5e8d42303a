// The main window's commands that open the list, group and user windows.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

#include "app/listedithost.h"
#include "app/mainform_window.h"
#include "files/chdir_window.h"
#include "files/openfile_window.h"
#include "lists/edit_window.h"
#include "lists/viewconpiled_window.h"
#include "mainform_fixture.h"
#include "support/window_driver.h"
#include "users/lookatpas_window.h"

namespace orv {
namespace {

class ListCommands : public ::testing::Test, public test::MainFormFixture {
 protected:
  ListCommands()
      : view(dialogs, compile),
        editHost(State()),
        editor(editHost, dialogs, view),
        editUsers(*users, dialogs) {
    dir.Write("orv.orv/words0.orv", "apple\r\n");
    dir.Write("orv.orv/Ann.orv/sums.orv", "1+1|2\r\n2+2|4\r\n3+3|6\r\n");
    form->SetWindows(
        {nullptr, nullptr, nullptr, nullptr, &openFile, &chDir, &editor, &view, &editUsers});
  }

  TOpenFileForm openFile;
  TChDir chDir;
  CompileSettings compile;
  TCompiledView view;
  ProgramListEditHost editHost;
  TEditOrv editor;
  TEditUsers editUsers;
};

QTreeWidgetItem* Node(QWidget& window, const char* tree, const char* text) {
  const auto found =
      window.findChild<QTreeWidget*>(tree)->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  EXPECT_EQ(found.size(), 1) << text;
  return found.value(0);
}

TEST_F(ListCommands, OpenShowsTheChosenListGroupAndLength) {
  LogInAs("Boss", "boss-pw");
  test::WindowDriver modal;
  modal.Then("TOpenFileForm", "opens the first list of Ann.orv", [](QWidget& window) {
    window.findChild<QTreeWidget*>("TreeViewDir")
        ->setCurrentItem(Node(window, "TreeViewDir", "Ann.orv"));
    auto* list = window.findChild<QTreeWidget*>("ListView1");
    list->setCurrentItem(list->topLevelItem(0));
    window.findChild<QPushButton*>("BitBtn3")->click();
  });
  Tool("OpenTool")->trigger();
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(Text("CFile"), "sums.orv");
  EXPECT_EQ(Text("dirL"), "Ann.orv\\");
  EXPECT_EQ(Text("FileLengthLabel"), "3");
}

TEST_F(ListCommands, ChangeDirectoryCancelledStillResetsTheList) {
  dir.Write("orv.orv/Ann.orv/words0.orv", "one\r\ntwo\r\n");
  LogInAs("Boss", "boss-pw");
  ASSERT_EQ(Text("FileLengthLabel"), "1");
  settings.CurrentDir = "Ann.orv\\";
  settings.CurrentFile = "sums.orv";
  test::WindowDriver modal;
  modal.Then("TChDir", "cancels", [](QWidget& window) {
    EXPECT_EQ(window.windowTitle(), "Change Diretory");
    window.findChild<QPushButton*>("BitBtn2")->click();
  });
  Get<QAction>("ChaDir1")->trigger();
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(Text("CFile"), "Ann.orv\\words0.orv");
  EXPECT_EQ(Text("dirL"), "Ann.orv\\");
  EXPECT_EQ(Text("FileLengthLabel"), "2") << "the length follows the list";
}

TEST_F(ListCommands, RemoveDirTellsWhyAGroupStays) {
  LogInAs("Boss", "boss-pw");
  dialogs.messages.clear();  // the new start-up file's question
  test::WindowDriver modal;
  modal.Then("TChDir", "picks Ann.orv", [](QWidget& window) {
    EXPECT_EQ(window.windowTitle(), "Directory to remove");
    window.findChild<QTreeWidget*>("TreeView1")
        ->setCurrentItem(Node(window, "TreeView1", "Ann.orv"));
    window.findChild<QPushButton*>("BitBtn1")->click();
  });
  Get<QAction>("Removedir1")->trigger();
  EXPECT_TRUE(modal.Done());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Error);
  EXPECT_TRUE(std::filesystem::exists(dir.Path() / "orv.orv" / "Ann.orv" / "sums.orv"));
}

TEST_F(ListCommands, TheWordListCommandsWorkLoggedOutExceptEditing) {
  ShowAndLogIn();  // cancelled: nobody logged in
  EXPECT_FALSE(Tool("OpenTool")->isEnabled());
  EXPECT_FALSE(Tool("ChDirTool")->isEnabled());
  {
    test::WindowDriver refused;
    refused.Then("TEditOrv", "closes", [](QWidget& window) { window.close(); });
    Tool("EditTool")->trigger();
    EXPECT_TRUE(refused.Log().empty());
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Access denied"});
  }
  test::WindowDriver viewed;
  viewed.Then("TEditOrv", "reads the list, closes", [](QWidget& window) {
    EXPECT_EQ(window.findChild<QPlainTextEdit*>("RichEdit1")->toPlainText(), "apple");
    window.close();
  });
  Tool("ViewTool")->trigger();
  EXPECT_TRUE(viewed.Done());
  test::WindowDriver compiled;
  compiled.Then("TCompiledView", "reads the title, closes", [](QWidget& window) {
    EXPECT_EQ(window.windowTitle(), "Compiled Viewtest");
    window.close();
  });
  Get<QAction>("ViewCompiled1")->trigger();
  EXPECT_TRUE(compiled.Done());
}

TEST_F(ListCommands, TheLengthShownFollowsTheListTheEditorSaved) {
  LogInAs("Boss", "boss-pw");
  dialogs.inputs = {"fresh"};  // New: the name; the question is answered Yes
  Get<QAction>("New1")->trigger();
  ASSERT_EQ(Text("CFile"), "fresh.Orv");
  EXPECT_EQ(Text("FileLengthLabel"), "0");
  test::WindowDriver modal;
  modal.Then("TEditOrv", "writes two words, saves", [](QWidget& window) {
    window.findChild<QPlainTextEdit*>("RichEdit1")->setPlainText("one\ntwo");
    window.findChild<QPlainTextEdit*>("RichEdit1")->document()->setModified(true);
    window.close();
  });
  Tool("EditTool")->trigger();
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(dir.Read("orv.orv/fresh.Orv"), "one\r\ntwo\r\n");
  EXPECT_EQ(Text("FileLengthLabel"), "2");
}

TEST_F(ListCommands, EditUsersOpensForTheSuperUserOnly) {
  LogInAs("Nine", "nine-pw");
  {
    test::WindowDriver refused;
    refused.Then("TEditUsers", "closes", [](QWidget& window) { window.close(); });
    Get<QAction>("Editusers1")->trigger();
    EXPECT_TRUE(refused.Log().empty());
    EXPECT_EQ(dialogs.Texts().back(), "Access denied");
  }
  dialogs.logins.push_back({"Boss", "boss-pw"});
  Get<QPushButton>("LogOutButton")->click();
  test::WindowDriver shown;
  shown.Then("TEditUsers", "counts the users, closes", [this](QWidget& window) {
    EXPECT_EQ(window.findChild<QTableWidget*>("StringGrid1")->rowCount(), users->UserCount());
    window.close();
  });
  Get<QAction>("Editusers1")->trigger();
  EXPECT_TRUE(shown.Done());
}

}  // namespace
}  // namespace orv
