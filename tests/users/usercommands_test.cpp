#include "users/usercommands.h"

#include <gtest/gtest.h>

#include "password_fixture.h"

namespace orv {
namespace {

class UserCommandsTest : public PasswordTest {};

TEST_F(UserCommandsTest, DeleteUserProtectsTheFirstAndTheLastUser) {
  PasswordO& p = OpenStandard();
  // Not logged in: access denied.
  EXPECT_FALSE(p.DeleteUser("bob"));
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Access denied"});
  dialogs.messages.clear();

  dialogs.logins.push_back({"boss", "boss-pw"});
  ASSERT_EQ(p.Login(), 255);
  EXPECT_FALSE(p.DeleteUser("boss"));    // line 1
  EXPECT_FALSE(p.DeleteUser("nobody"));  // unknown: nothing shown
  EXPECT_TRUE(dialogs.messages.empty());

  dialogs.answers.push_back(MsgAnswer::Cancel);
  EXPECT_FALSE(p.DeleteUser("ANN"));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Delete user Ann");
  EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::YesCancel);
  EXPECT_EQ(p.UserCount(), 3);

  EXPECT_TRUE(p.DeleteUser("ann"));  // the fake answers Yes
  EXPECT_EQ(p.UserCount(), 2);
  EXPECT_EQ(FileText(), "Boss:" + p.FindUser("boss").code + ":1:255\r\nbob::4:50\r\n");
}

TEST_F(UserCommandsTest, TheOnlyUserIsNeverDeleted) {
  PasswordO& p = Open({"solo::1:255"});
  dialogs.logins.push_back({"solo", ""});
  dialogs.newPasswords = {{"solo-pw", "solo-pw"}};
  ASSERT_EQ(p.Login(), 255);  // reset to the default password, then a new one
  dialogs.messages.clear();
  EXPECT_FALSE(p.DeleteUser("solo"));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(p.UserCount(), 1);
}

TEST_F(UserCommandsTest, AddUserRefusesDuplicatesAndColons) {
  PasswordO& p = OpenStandard();
  dialogs.logins.push_back({"bob", ""});
  ASSERT_EQ(p.Login(), 0);  // adding needs level 0 only

  dialogs.inputs = {std::string("ANN"), std::string("a:b"), std::string("Carol")};
  dialogs.newPasswords = {{"one", "two"}, {"pw1", "pw1"}};
  p.AddUser();
  const std::vector<std::string> expected{
      " Error number 591 " + ErrorText(591), "A user name can not contain \":\"",
      "Sorry but the two paswords you enteredare not the same please try again thank you."};
  EXPECT_EQ(dialogs.Texts(), expected);
  EXPECT_EQ(ErrorText(591), "Error num 591, User name all ready exist");
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Error);
  // Each round of the input box starts from what was typed before.
  ASSERT_EQ(dialogs.inputBoxes.size(), 3u);
  EXPECT_EQ(dialogs.inputBoxes[0].caption, "New User");
  EXPECT_EQ(dialogs.inputBoxes[0].prompt, "Input a Name");
  EXPECT_EQ(dialogs.inputBoxes[0].preset, "");
  EXPECT_EQ(dialogs.inputBoxes[1].preset, "ANN");
  EXPECT_EQ(dialogs.inputBoxes[2].preset, "a:b");

  ASSERT_EQ(p.UserCount(), 4);
  const UserRecord carol = p.ReadUser(4);
  EXPECT_EQ(carol.name, "Carol");
  EXPECT_EQ(carol.level, 0);
  EXPECT_EQ(carol.number, 3);
  EXPECT_TRUE(CodeMatches(carol.code, "pw1"));
  EXPECT_EQ(p.Authenticate("carol", "pw1"), 0);
}

TEST_F(UserCommandsTest, AddUserWithoutPasswordOrCancelled) {
  PasswordO& p = OpenStandard();
  dialogs.logins.push_back({"ann", "ann-pw"});
  ASSERT_EQ(p.Login(), 10);
  p.AddUser();  // the input box is cancelled
  EXPECT_EQ(p.UserCount(), 3);
  EXPECT_EQ(dialogs.newPasswordDialogs, 0);

  dialogs.inputs = {std::string("dora")};
  dialogs.newPasswords = {{"", ""}};
  p.AddUser();
  ASSERT_EQ(p.UserCount(), 4);
  EXPECT_EQ(p.ReadUser(4).code, "");
  EXPECT_EQ(p.Authenticate("dora", "any"), 0);

  p.Logout();
  dialogs.messages.clear();
  p.AddUser();
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Access denied"});
}

TEST_F(UserCommandsTest, AddingUsersNeedsTheLevelTheSuperUserSet) {
  // who logs in, the level adding needs, whether a user is added
  const std::vector<std::tuple<std::string, std::string, int, bool>> cases{
      {"bob", "", 0, true},
      {"bob", "", 1, false},
      {"ann", "ann-pw", 10, true},
      {"ann", "ann-pw", 11, false},
      {"boss", "boss-pw", 255, true}};
  for (const auto& [who, password, required, added] : cases) {
    PasswordO& p = OpenStandard();
    dialogs.logins.push_back({who, password});
    ASSERT_GE(p.Login(), 0);
    dialogs.messages.clear();
    dialogs.inputs = {std::string("dora")};
    dialogs.newPasswords = {{"", ""}};
    p.AddUser(required);
    EXPECT_EQ(p.UserCount(), added ? 4 : 3) << who << " " << required;
    EXPECT_EQ(dialogs.Texts(),
              added ? std::vector<std::string>{} : std::vector<std::string>{"Access denied"});
  }
}

TEST_F(UserCommandsTest, ChangePasswordAsksUntilTheEntriesAgree) {
  PasswordO& p = OpenStandard();
  const std::string mismatch =
      "Sorry but the two paswords you enteredare not the same please try again.";
  // Cancel after a mismatch changes nothing.
  dialogs.newPasswords = {{"a", "b"}};
  dialogs.answers = {MsgAnswer::Cancel};
  p.ChangePassword("ann");
  EXPECT_EQ(p.FindUser("ann").code, annCode);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, mismatch);
  EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::OkCancel);

  // OK asks again.
  dialogs.newPasswords = {{"a", "b"}, {"new-pw", "new-pw"}};
  dialogs.answers = {MsgAnswer::Ok};
  p.ChangePassword("ann");
  EXPECT_EQ(p.Authenticate("ann", "new-pw"), 10);
  EXPECT_EQ(p.Authenticate("ann", "ann-pw"), -2);

  // Agreeing empty entries remove the password.
  dialogs.newPasswords = {{"", ""}};
  p.ChangePassword("ANN");
  EXPECT_EQ(p.FindUser("ann").code, "");

  // An unknown user: no dialog at all.
  const int shown = dialogs.newPasswordDialogs;
  p.ChangePassword("nobody");
  EXPECT_EQ(dialogs.newPasswordDialogs, shown);
}

TEST_F(UserCommandsTest, CancelInTheNewPasswordWindowChangesNothing) {
  // Cancel at once, and Cancel after a mismatch answered with OK.
  for (const bool afterMismatch : {false, true}) {
    PasswordO& p = OpenStandard();
    const auto cancel = [&] {
      dialogs.newPasswords.clear();
      if (afterMismatch) dialogs.newPasswords.push_back({"a", "b"});
      dialogs.newPasswords.push_back(test::kCancelledPassword);
    };
    dialogs.logins.push_back({"ann", "ann-pw"});
    ASSERT_EQ(p.Login(), 10);
    const std::string before = FileText();
    cancel();
    p.ChangePassword("Boss");
    dialogs.logins.push_back({"ann", "ann-pw"});
    cancel();
    p.ChangeOwnPassword();
    dialogs.inputs = {std::string("dora")};
    cancel();
    p.AddUser();
    EXPECT_EQ(FileText(), before) << afterMismatch;
    EXPECT_EQ(p.UserCount(), 3);
    // The super user keeps a password: another name gets no level 255.
    EXPECT_EQ(p.Authenticate("bob", "anything"), 0);
  }
}

TEST_F(UserCommandsTest, ChangeOwnPasswordNeedsTheRightPassword) {
  PasswordO& p = OpenStandard();
  dialogs.logins.push_back({"ann", "bad"});
  p.ChangeOwnPassword();
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kDenied});
  EXPECT_EQ(dialogs.newPasswordDialogs, 0);

  clock.Sleep(1000);  // the wait after one wrong try
  dialogs.logins.push_back({"ann", "ann-pw"});
  dialogs.newPasswords = {{"mine", "mine"}};
  p.ChangeOwnPassword();
  EXPECT_EQ(p.Authenticate("ann", "mine"), 10);
}

TEST_F(UserCommandsTest, SetPasswordAndSetLevel) {
  PasswordO& p = OpenStandard();
  p.SetPassword("BOB", "bob-pw");
  EXPECT_EQ(p.Authenticate("bob", "bob-pw"), 50);
  p.SetPassword("bob", "");
  EXPECT_TRUE(p.HasNoPassword("bob"));
  p.SetPassword("nobody", "x");  // nothing happens
  EXPECT_EQ(p.UserCount(), 3);

  p.SetLevel("bob", 77);
  EXPECT_EQ(p.FindUser("bob").level, 77);
  EXPECT_NE(FileText().find("bob::4:77"), std::string::npos);
  p.SetLevel("nobody", 1);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "User not found ");
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Error);
}

TEST_F(UserCommandsTest, NamesBeyondAToZAreFoundByEveryOperation) {
  PasswordO& p = Open({"Boss:" + bossCode + ":1:255", "zoë::2:5"});
  p.SetPassword("zoë", "zoe-pw");
  EXPECT_EQ(p.Authenticate("ZOË", "zoe-pw"), 5);
  dialogs.newPasswords = {{"other", "other"}};
  p.ChangePassword("zoë");
  EXPECT_EQ(p.Authenticate("zoë", "other"), 5);
  EXPECT_EQ(dialogs.newPasswordDialogs, 1);
}

TEST_F(UserCommandsTest, AddedAccentedNamesKeepTheFileReadable) {
  PasswordO& p = OpenStandard();
  dialogs.logins.push_back({"ann", "ann-pw"});
  ASSERT_EQ(p.Login(), 10);
  dialogs.inputs = {std::string(49, 'j') + "\u00c9\u00c9"};
  dialogs.newPasswords = {{"", ""}};
  p.AddUser();
  PasswordO again(dir.Str(), "KVXS1.KVX", dialogs);
  EXPECT_EQ(again.UserName(4), std::string(49, 'j') + "\u00c9");
}

}  // namespace
}  // namespace orv
