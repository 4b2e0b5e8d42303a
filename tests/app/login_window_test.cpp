#include "app/login_window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/getuser.h"
#include "app/programpaths.h"
#include "app/qtdialogs_window.h"
#include "base/clock.h"
#include "base/platform.h"
#include "support/children.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "support/test_users.h"
#include "support/window_driver.h"
#include "users/loginrecord.h"
#include "users/password.h"

namespace orv {
namespace {

using test::FakeDialogs;
using test::Press;
using test::TempDir;
using test::Type;

// The users of the window's list, in its order.
QStringList Items(const TLoginForm& window) {
  const QComboBox* list = test::Child<QComboBox>(window, "UsersList");
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

// A program directory with three users, written before the window's users read it.
struct LoginHome {
  LoginHome() {
    SetProgramDirectory(paths, dir.Str());
    test::WritePasswordFile(dir, {{"zed", "", 1, 3}, {"Ann", "", 10, 1}, {"bob", "", 20, 2}});
  }
  TempDir dir;
  ProgramPaths paths;
};

class LoginWindow : public ::testing::Test, protected LoginHome {
 protected:
  template <typename T>
  T* Get(const char* name) const {
    return test::Child<T>(form, name);
  }

  FakeDialogs fake;
  PasswordO users{dir.Str(), "KVXS1.KVX", fake};
  TLoginForm form{users, paths};
  test::WindowDriver driver;
};

TEST_F(LoginWindow, EnterMovesFromTheNameToThePasswordAndThenPressesOk) {
  QString focusAfterName;
  bool stillOpen = false;
  driver.Then("TLoginForm", "types the name and the password", [&](QWidget& w) {
    Get<QComboBox>("UsersList")->lineEdit()->selectAll();
    Type(w, "bob");
    Press(w, Qt::Key_Return);
    focusAfterName = QApplication::focusWidget()->objectName();
    stillOpen = form.isVisible();
    Type(w, "secret");
    Press(w, Qt::Key_Return);
  });
  const LoginEntry entry = form.AskLogin();
  EXPECT_FALSE(driver.Stuck());
  EXPECT_EQ(focusAfterName, "Pasword");
  EXPECT_TRUE(stillOpen) << "Enter in the name box must not close the window";
  EXPECT_EQ(entry.name, "bob");
  EXPECT_EQ(entry.password, "secret");
  // The name chosen is proposed next time.
  EXPECT_EQ(dir.Read("LastUser.Kvx"), "bob\r\n");
}

TEST_F(LoginWindow, ListsTheUsersSortedAndProposesTheLastUser) {
  dir.Write("LastUser.Kvx", "Ann\r\n");
  QStringList items;
  QString proposed, focused;
  driver.Then("TLoginForm", "reads the list, cancels", [&](QWidget&) {
    items = Items(form);
    proposed = Get<QComboBox>("UsersList")->currentText();
    focused = QApplication::focusWidget() == nullptr ? QString()
                                                     : QApplication::focusWidget()->objectName();
    Get<QPushButton>("BitBtn2")->click();
  });
  const LoginEntry entry = form.AskLogin();
  EXPECT_EQ(items, (QStringList{"Ann", "bob", "zed"}));
  EXPECT_EQ(proposed, "Ann");
  EXPECT_NE(focused, "Pasword");
  EXPECT_EQ(entry.name, "No user");
  EXPECT_EQ(entry.password, "");
}

TEST_F(LoginWindow, AFullPasswordFileListsEveryUser) {
  dir.Write("KVXS1.KVX", test::LearnerLines(65535));
  PasswordO full(dir.Str(), "KVXS1.KVX", fake);
  TLoginForm fullForm(full, paths);
  QStringList items;
  driver.Then("TLoginForm", "reads the list, cancels", [&](QWidget&) {
    items = Items(fullForm);
    test::Child<QPushButton>(fullForm, "BitBtn2")->click();
  });
  fullForm.AskLogin();
  ASSERT_EQ(items.size(), 65535);
  EXPECT_EQ(items.front(), "U00001");
  EXPECT_EQ(items.back(), "U65535");
}

TEST_F(LoginWindow, WithoutALastUserFileTheNameIsUser) {
  QString proposed;
  driver.Then("TLoginForm", "reads the name, presses Ok", [&](QWidget&) {
    proposed = Get<QComboBox>("UsersList")->currentText();
    Get<QPushButton>("ok")->click();
  });
  const LoginEntry entry = form.AskLogin();
  EXPECT_EQ(proposed, "User");
  EXPECT_EQ(entry.name, "User");
}

TEST_F(LoginWindow, OkIsTheDefaultButtonOnlyWhileInThePasswordBox) {
  bool defaultInName = true, defaultInPassword = false;
  driver.Then("TLoginForm", "goes to the password, cancels", [&](QWidget&) {
    defaultInName = Get<QPushButton>("ok")->isDefault();
    Get<QLineEdit>("Pasword")->setFocus();
    defaultInPassword = Get<QPushButton>("ok")->isDefault();
    Get<QPushButton>("BitBtn2")->click();
  });
  form.AskLogin();
  EXPECT_FALSE(defaultInName);
  EXPECT_TRUE(defaultInPassword);
}

// While wrong tries for the name typed make the next one wait, OK is off
// and the window says how long; another name may log in at once.
TEST_F(LoginWindow, OkWaitsWhileWrongTriesForTheNameMakeTheNextWait) {
  InstantClock clock;
  ScopedClock scope(clock);
  LoginRecord record(LoginRecordPath(users.Directory()));
  ASSERT_EQ(record.Take("BOB"), 0);
  clock.Sleep(1000);
  ASSERT_EQ(record.Take("BOB"), 0);
  dir.Write("LastUser.Kvx", "bob\r\n");
  bool okForBob = true, okForAnn = false;
  QString label;
  driver.Then("TLoginForm", "reads the wait, types Ann, presses OK", [&](QWidget& w) {
    okForBob = Get<QPushButton>("ok")->isEnabled();
    label = Get<QLabel>("Label1")->text();
    Get<QComboBox>("UsersList")->lineEdit()->selectAll();
    Type(w, "Ann");
    okForAnn = Get<QPushButton>("ok")->isEnabled();
    Get<QPushButton>("ok")->click();
  });
  const LoginEntry entry = form.AskLogin();
  EXPECT_FALSE(okForBob);
  EXPECT_EQ(label, "Wait 2 s before the next log-in as bob");
  EXPECT_TRUE(okForAnn);
  EXPECT_EQ(entry.name, "Ann");
}

TEST_F(LoginWindow, PickingAUserFromTheListGoesToThePassword) {
  QString focused;
  driver.Then("TLoginForm", "picks zed, cancels", [&](QWidget&) {
    Get<QComboBox>("UsersList")->setCurrentIndex(Get<QComboBox>("UsersList")->findText("zed"));
    focused = QApplication::focusWidget()->objectName();
    Get<QPushButton>("BitBtn2")->click();
  });
  form.AskLogin();
  EXPECT_EQ(focused, "Pasword");
}

TEST_F(LoginWindow, NewPasswordModeAsksTwiceAndPutsTheTextsBack) {
  QString title, label1, label2, label3;
  bool nameShown = false, listShown = true;
  QLineEdit::EchoMode nameEcho = QLineEdit::Normal;
  driver.Then("TLoginForm", "enters both passwords", [&](QWidget&) {
    title = form.windowTitle();
    label1 = Get<QLabel>("Label1")->text();
    label2 = Get<QLabel>("Label2")->text();
    label3 = Get<QLabel>("Label3")->text();
    nameShown = Get<QLineEdit>("Name")->isVisible();
    listShown = Get<QComboBox>("UsersList")->isVisible();
    nameEcho = Get<QLineEdit>("Name")->echoMode();
    Get<QLineEdit>("Name")->setText("first");
    Get<QLineEdit>("Pasword")->setText("second");
    Get<QPushButton>("ok")->click();
  });
  const auto entries = form.AskNewPasswordTwice();
  ASSERT_TRUE(entries.has_value());
  const auto& [first, second] = *entries;
  EXPECT_EQ(first, "first");
  EXPECT_EQ(second, "second");
  EXPECT_EQ(title, "Passwords");
  EXPECT_EQ(label1, "Enter new password twice");
  EXPECT_EQ(label2, "Password");
  EXPECT_EQ(label3, "Confirm password");
  EXPECT_TRUE(nameShown);
  EXPECT_FALSE(listShown);
  EXPECT_EQ(nameEcho, QLineEdit::Password);
  EXPECT_EQ(form.windowTitle(), "Login");
  EXPECT_EQ(Get<QLabel>("Label1")->text(), "Enter user name and password");
  EXPECT_EQ(Get<QLabel>("Label2")->text(), "Name");
  EXPECT_EQ(Get<QLabel>("Label3")->text(), "        Password");
  EXPECT_EQ(Get<QLineEdit>("Name")->echoMode(), QLineEdit::Normal);
  EXPECT_TRUE(Get<QLineEdit>("Name")->text().isEmpty());
  EXPECT_TRUE(Get<QLineEdit>("Pasword")->text().isEmpty());
}

TEST_F(LoginWindow, CancelInNewPasswordModeGivesNoEntries) {
  driver.Then("TLoginForm", "types, cancels", [&](QWidget&) {
    Get<QLineEdit>("Name")->setText("typed");
    Get<QLineEdit>("Pasword")->setText("typed");
    Get<QPushButton>("BitBtn2")->click();
  });
  EXPECT_FALSE(form.AskNewPasswordTwice().has_value());
  EXPECT_EQ(form.windowTitle(), "Login");
}

TEST_F(LoginWindow, TheDialogsPortUsesTheWindowForBothQuestions) {
  QtDialogs dialogs;
  dialogs.SetLoginForm(&form);
  driver.Then("TLoginForm", "enters a name and a password", [&](QWidget&) {
    Get<QComboBox>("UsersList")->setEditText("Ann");
    Get<QLineEdit>("Pasword")->setText("pw");
    Get<QPushButton>("ok")->click();
  });
  const LoginEntry entry = dialogs.AskLogin();
  EXPECT_EQ(entry.name, "Ann");
  EXPECT_EQ(entry.password, "pw");
  EXPECT_EQ(Get<QLabel>("Label3")->text(), "        Pasword");
  QtDialogs without;
  EXPECT_THROW(without.AskLogin(), E_Orv_Error);

  // Closed by the program's end, the new password's two empty entries are no
  // answer: a command cannot take them for "no password".
  SetQuitHandler([] {});
  driver.Then("TLoginForm", "is closed by the program's end", [&](QWidget&) {
    RequestQuit();
    form.reject();
  });
  EXPECT_THROW(dialogs.AskNewPasswordTwice(), EProgramEnding);
  SetQuitHandler({});
  ResetQuitRequest();
}

TEST(QtFileFilter, TurnsPairsIntoQtFilters) {
  EXPECT_EQ(QtFileFilter("Interbase compatible database files(*.gdb)|*.gdb"),
            "Interbase compatible database files(*.gdb)");
  EXPECT_EQ(QtFileFilter("Word lists|*.orv|All files|*.*"), "Word lists (*.orv);;All files (*.*)");
  EXPECT_EQ(QtFileFilter("Lists|*.orv;*.nam"), "Lists (*.orv *.nam)");
  EXPECT_EQ(QtFileFilter(""), "");
}

}  // namespace
}  // namespace orv
