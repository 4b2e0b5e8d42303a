#include "users/password.h"

#include <gtest/gtest.h>
#include <sodium.h>

#include <array>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <tuple>

#include "base/clock.h"
#include "base/platform.h"
#include "files/errortext.h"
#include "support/fake_dialogs.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"
#include "support/test_users.h"
#include "users/crypt.h"
#include "users/passwordcode.h"

namespace orv {
namespace {

using test::FakeDialogs;
using test::TempDir;

const std::string kResetWarning = "NO PASWORD FOR SUPPER USER, reset to \"tamblore\"";
const std::string kDenied = "INCRECT PASWORD / USER NAME ACCESS DENIDE ";

struct Exited {
  int code;
};

class PasswordTest : public ::testing::Test {
 protected:
  // Codes under fixed salts, so the file's content is known in advance.
  const std::string bossCode = CryptPassword("boss-pw", "Bs");
  const std::string annCode = CryptPassword("ann-pw", "An");

  void TearDown() override { SetExitHandler({}); }

  // A password file of the given lines (each ended by CR LF) and its object.
  PasswordO& Open(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    dir.Write("KVXS1.KVX", text);
    users = std::make_unique<PasswordO>(dir.Str(), "KVXS1.KVX", dialogs);
    return *users;
  }

  // The usual file: a super user with a password, then two ordinary users.
  PasswordO& OpenStandard() {
    return Open({"Boss:" + bossCode + ":1:255", "Ann:" + annCode + ":2:10", "bob::4:50"});
  }

  std::string FileText() const { return dir.Read("KVXS1.KVX"); }

  InstantClock clock;
  ScopedClock scope{clock};
  TempDir dir;
  FakeDialogs dialogs;
  std::unique_ptr<PasswordO> users;
};

TEST_F(PasswordTest, ReadsTheFieldsOfEachLine) {
  PasswordO& p = OpenStandard();
  ASSERT_EQ(p.UserCount(), 3);
  const UserRecord ann = p.ReadUser(2);
  EXPECT_EQ(ann.name, "Ann");
  EXPECT_EQ(ann.code, annCode);
  EXPECT_EQ(ann.number, 2);
  EXPECT_EQ(ann.level, 10);
  EXPECT_EQ(p.UserName(3), "bob");
  EXPECT_EQ(p.UserName(4), "");
  EXPECT_EQ(p.UserLevel(1), 255);
  EXPECT_EQ(p.IndexOfUser("BOB"), 3);
  EXPECT_EQ(p.IndexOfUser("carol"), -1);
  EXPECT_EQ(p.StoredUserName("ANN"), "Ann");
  EXPECT_EQ(p.StoredUserName("carol"), "");
  EXPECT_TRUE(p.HasNoPassword("Bob"));
  EXPECT_FALSE(p.HasNoPassword("ann"));
  EXPECT_FALSE(p.HasNoPassword("carol"));
  const UserRecord none = p.FindUser("carol");
  EXPECT_EQ(none.name, "");
  EXPECT_EQ(none.number, -1);
  EXPECT_EQ(none.level, 0);
}

TEST(UserLine, MissingSeparatorsAndOddNumbers) {
  // The code's closing separator is missing: the code is empty, numbers 0.
  UserRecord u = ParseUserLine("carol:abc");
  EXPECT_EQ(u.name, "carol");
  EXPECT_EQ(u.code, "");
  EXPECT_EQ(u.number, 0);
  EXPECT_EQ(u.level, 0);
  u = ParseUserLine("dan:xyz:  42:7");
  EXPECT_EQ(u.number, 42);
  EXPECT_EQ(u.level, 7);
  u = ParseUserLine("eve::4x:+9");
  EXPECT_EQ(u.number, 0);
  EXPECT_EQ(u.level, 9);
  // Only the first 11 characters of a number count.
  EXPECT_EQ(ParseUserLine("f::123456789012:0").number, 0);
  EXPECT_EQ(ParseUserLine("f::-2147483648:0").number, INT32_MIN);
  EXPECT_THROW(ParseUserLine("g::1:256"), ERangeError);
  EXPECT_THROW(ParseUserLine("g::1:-1"), ERangeError);
  EXPECT_EQ(ParseUserLine(std::string(60, 'n') + "::1:0").name, std::string(50, 'n'));
}

TEST(UserLine, WritesTheFourFieldsAndCutsLongTexts) {
  EXPECT_EQ(UserLine({"Ann", "abc", 10, 2}), "Ann:abc:2:10");
  EXPECT_EQ(UserLine({std::string(55, 'x'), std::string(130, 'c'), 0, 7}),
            std::string(50, 'x') + ":" + std::string(127, 'c') + ":7:0");
}

TEST_F(PasswordTest, ChangesAreWrittenBackAsWholeFile) {
  PasswordO& p = OpenStandard();
  p.AppendUser({"carol", "", 5, 3});
  EXPECT_EQ(FileText(), "Boss:" + bossCode + ":1:255\r\nAnn:" + annCode +
                            ":2:10\r\nbob::4:50\r\ncarol::3:5\r\n");
  UserRecord bob = p.ReadUser(3);
  bob.level = 60;
  p.WriteUser(bob, 3);
  EXPECT_NE(FileText().find("\r\nbob::4:60\r\n"), std::string::npos);
  EXPECT_EQ(p.RemoveUser(2), 0);
  EXPECT_EQ(FileText(), "Boss:" + bossCode + ":1:255\r\nbob::4:60\r\ncarol::3:5\r\n");
  EXPECT_EQ(p.LastSaveCode(), 0);
}

TEST_F(PasswordTest, NextUserNumberIsTheSmallestFreeOne) {
  PasswordO& p = OpenStandard();  // numbers 1, 2 and 4
  EXPECT_EQ(p.NextUserNumber(), 3);
  p.AppendUser({"carol", "", 0, 3});
  EXPECT_EQ(p.NextUserNumber(), 5);
}

TEST_F(PasswordTest, UsersAtLevelKeepsFileOrder) {
  PasswordO& p = Open({"a::1:10", "b::2:255", "c::3:50", "d::4:255"});
  const userArray supers = p.UsersAtLevel(255);
  ASSERT_EQ(supers.size(), 2u);
  EXPECT_EQ(supers[0].name, "b");
  EXPECT_EQ(supers[1].name, "d");
  EXPECT_EQ(p.UsersAtLevel(50).size(), 3u);
}

TEST_F(PasswordTest, AuthenticateGrantsLevels) {
  PasswordO& p = OpenStandard();
  EXPECT_EQ(p.Authenticate("ANN", "ann-pw"), 10);
  EXPECT_EQ(p.Authenticate("ann", "ann-PW"), -2);
  EXPECT_EQ(p.Authenticate("carol", "ann-pw"), -1);
  // No password: level 0 whatever is typed, though bob's level is 50.
  EXPECT_EQ(p.Authenticate("bob", "anything"), 0);
  EXPECT_EQ(p.Authenticate("bob", ""), 0);
  // The super user's password opens every account at 255.
  EXPECT_EQ(p.Authenticate("ann", "boss-pw"), 255);
  EXPECT_EQ(p.Authenticate("bob", "boss-pw"), 255);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PasswordTest, SuperUserWithoutPasswordIsResetAtTheNextLogIn) {
  PasswordO& p = Open({"Ann:" + annCode + ":2:10", "Root::1:255"});
  // An unknown name triggers nothing.
  EXPECT_EQ(p.Authenticate("nobody", "x"), -1);
  EXPECT_TRUE(dialogs.messages.empty());

  EXPECT_EQ(p.Authenticate("ann", "whatever"), 255);
  ASSERT_EQ(dialogs.Texts(), std::vector<std::string>{kResetWarning});
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Warning);
  EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::Ok);

  // The stored code is that of the default password, on disk as well.
  const std::string code = p.FindUser("root").code;
  EXPECT_TRUE(IsArgon2Code(code));
  EXPECT_TRUE(CodeMatches(code, "tamblore"));
  EXPECT_NE(FileText().find("Root:" + code + ":1:255"), std::string::npos);
  EXPECT_EQ(p.Authenticate("ann", "tamblore"), 255);
  EXPECT_EQ(p.Authenticate("ann", "wrong"), -2);
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(PasswordTest, TheDefaultPasswordAtLevel255MustBeReplacedBeforeTheLogInGoesOn) {
  const std::string ask =
      "The super user Boss has the default password \"tamblore\", which anyone can read in the "
      "help. Choose a new password for Boss.";
  const std::string kept =
      "The super user Boss keeps the default password \"tamblore\", so you are not logged in. Log "
      "in again and choose a new password.";
  const std::string again = "\"tamblore\" is the default password. Please choose another one.";
  const std::string mismatch =
      "Sorry but the two paswords you enteredare not the same please try again.";
  // Older codes keep the table quick; the Argon2id one is what a reset stores.
  const std::string boss = "Boss:" + CryptPassword("tamblore", "Tb") + ":1:255";
  const std::string argon = "Boss:" + NewPasswordCode("tamblore") + ":1:255";
  const std::string ann = "Ann:" + annCode + ":2:10";
  const LoginEntry typed{"boss", "tamblore"};
  const test::NewPasswordAnswer heron{"heron", "heron"}, dflt{"tamblore", "tamblore"};
  const test::NewPasswordAnswer cancel = test::kCancelledPassword;
  struct Case {
    const char* what;
    std::string first, second;  // the password file's two lines
    LoginEntry login;
    std::deque<test::NewPasswordAnswer> chosen;
    int level;
    std::vector<std::string> texts;
    std::string bossPassword;  // what opens Boss's code afterwards
  };
  const int out = kDefaultPasswordKept;
  const std::string annOld = "Ann:" + CryptPassword("tamblore", "Ta") + ":2:10";
  const std::string good = "Boss:" + bossCode + ":1:255";
  const std::vector<Case> cases{
      {"typed", argon, ann, typed, {heron}, 255, {ask}, "heron"},
      {"cancelled", boss, ann, typed, {cancel}, out, {ask, kept}, "tamblore"},
      {"empty", boss, ann, typed, {{"", ""}}, out, {ask, kept}, "tamblore"},
      {"default again", boss, ann, typed, {dflt, heron}, 255, {ask, again}, "heron"},
      {"default, cancel", boss, ann, typed, {dflt, cancel}, out, {ask, again, kept}, "tamblore"},
      {"mismatch", boss, ann, typed, {{"a", "b"}, cancel}, out, {ask, mismatch, kept}, "tamblore"},
      {"other name", boss, ann, {"ann", "tamblore"}, {heron}, 255, {ask}, "heron"},
      {"reset", "Boss::1:255", ann, {"ann", "x"}, {heron}, 255, {kResetWarning, ask}, "heron"},
      // An older code reads eight letters only.
      {"older code", boss, ann, {"boss", "tamblorexyz"}, {heron}, 255, {ask}, "heron"},
      {"not super", good, annOld, {"ann", "tamblore"}, {}, 10, {}, "boss-pw"},
      {"other super", good, "Root" + argon.substr(4), {"boss", "boss-pw"}, {}, 255, {}, "boss-pw"},
  };
  for (const Case& c : cases) {
    PasswordO& p = Open({c.first, c.second});
    dialogs.messages.clear();
    dialogs.newPasswordDialogs = 0;
    dialogs.logins = {c.login};
    dialogs.newPasswords = c.chosen;
    EXPECT_EQ(p.Login(), c.level) << c.what;
    EXPECT_EQ(dialogs.Texts(), c.texts) << c.what;
    EXPECT_EQ(dialogs.newPasswordDialogs, static_cast<int>(c.chosen.size())) << c.what;
    EXPECT_EQ(p.IsLoggedIn(), c.level >= 0) << c.what;
    EXPECT_EQ(p.HasAccess("255"), c.level == 255) << c.what;
    const std::string code = PasswordO(dir.Str(), "KVXS1.KVX", dialogs).FindUser("boss").code;
    // Boss's code read back: a new one, or the one he had.
    EXPECT_TRUE(CodeMatches(code, c.bossPassword)) << c.what;
  }
}

TEST_F(PasswordTest, LogInLogOutAndCancel) {
  PasswordO& p = OpenStandard();
  EXPECT_FALSE(p.IsLoggedIn());
  EXPECT_EQ(p.CurrentLevel(), -1);

  EXPECT_EQ(p.Login(), -3);  // the fake cancels when no log-in is queued
  EXPECT_EQ(p.CurrentLevel(), -1);
  EXPECT_TRUE(dialogs.messages.empty());

  dialogs.logins.push_back({"aNn", "ann-pw"});
  EXPECT_EQ(p.Login(), 10);
  EXPECT_EQ(p.CurrentUser(), "Ann");
  EXPECT_TRUE(p.IsLoggedIn());

  // A failed attempt keeps the name and sets the level.
  dialogs.logins.push_back({"ann", "bad"});
  EXPECT_EQ(p.Login(), -2);
  EXPECT_EQ(p.CurrentUser(), "Ann");
  EXPECT_EQ(p.CurrentLevel(), -2);
  dialogs.logins.push_back({"carol", "x"});
  EXPECT_EQ(p.Login(), -1);
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kDenied, kDenied}));

  p.Logout();
  EXPECT_FALSE(p.IsLoggedIn());
  EXPECT_EQ(p.CurrentUser(), "");
  EXPECT_EQ(p.CurrentLevel(), -1);
}

// A name that is no user's is refused in the same words as a wrong password
// and waits as long after it, so trying names tells nothing; during the wait
// not even the right password is checked.
TEST_F(PasswordTest, AMissingUserIsRefusedAndSlowedAsAWrongPasswordIs) {
  PasswordO& p = OpenStandard();
  for (const std::string name : {"ann", "carol"}) {
    dialogs.messages.clear();
    dialogs.logins = {{name, "bad"}, {name, "ann-pw"}};
    EXPECT_LT(p.Login(), 0) << name;
    EXPECT_EQ(p.Login(), kLoginDelayed) << name;
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kDenied, LoginDelayedText(1)})) << name;
  }
}

TEST_F(PasswordTest, HasAccessByLevelOrByQuotedName) {
  PasswordO& p = OpenStandard();
  const std::string requirement = "100 \"ANN\" \"dora\"";
  EXPECT_FALSE(p.HasAccess("0"));  // nobody logged in
  EXPECT_FALSE(p.HasAccess(requirement));
  EXPECT_FALSE(p.HasAccess("100 \"\""));  // the empty name is nobody's

  dialogs.logins.push_back({"ann", "ann-pw"});  // level 10, named in any case
  ASSERT_EQ(p.Login(), 10);
  EXPECT_TRUE(p.HasAccess(requirement));
  EXPECT_TRUE(p.HasAccess("100 \"ann\""));
  EXPECT_FALSE(p.HasAccess("100 \"bob\""));
  EXPECT_FALSE(p.HasAccess("100 ann"));
  EXPECT_TRUE(p.HasAccess("10"));
  EXPECT_FALSE(p.HasAccess("11"));
  EXPECT_TRUE(p.HasAccess("  10 \"x\""));

  dialogs.logins.push_back({"bob", ""});  // level 0
  ASSERT_EQ(p.Login(), 0);
  EXPECT_FALSE(p.HasAccess(requirement));
  dialogs.logins.push_back({"ann", "boss-pw"});  // 255
  ASSERT_EQ(p.Login(), 255);
  EXPECT_TRUE(p.HasAccess("255"));
  EXPECT_TRUE(p.HasAccess("100 \"bob\""));
}

TEST_F(PasswordTest, DeleteUserProtectsTheFirstAndTheLastUser) {
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

TEST_F(PasswordTest, TheOnlyUserIsNeverDeleted) {
  PasswordO& p = Open({"solo::1:255"});
  dialogs.logins.push_back({"solo", ""});
  dialogs.newPasswords = {{"solo-pw", "solo-pw"}};
  ASSERT_EQ(p.Login(), 255);  // reset to the default password, then a new one
  dialogs.messages.clear();
  EXPECT_FALSE(p.DeleteUser("solo"));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(p.UserCount(), 1);
}

TEST_F(PasswordTest, AddUserRefusesDuplicatesAndColons) {
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

TEST_F(PasswordTest, AddUserWithoutPasswordOrCancelled) {
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

TEST_F(PasswordTest, AddingUsersNeedsTheLevelTheSuperUserSet) {
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

TEST_F(PasswordTest, ChangePasswordAsksUntilTheEntriesAgree) {
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

TEST_F(PasswordTest, CancelInTheNewPasswordWindowChangesNothing) {
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

TEST_F(PasswordTest, OlderCodesLogInAndAreReplacedAtTheUsersOwnLogIn) {
  PasswordO& p = OpenStandard();
  // Logged in under Ann's name with the super user's password: Ann's code stays.
  dialogs.logins = {{"ann", "boss-pw"}, {"ann", "ann-pw"}};
  ASSERT_EQ(p.Login(), 255);
  EXPECT_EQ(p.FindUser("ann").code, annCode);
  ASSERT_EQ(p.Login(), 10);
  const std::string upgraded = p.FindUser("ann").code;
  EXPECT_TRUE(IsArgon2Code(upgraded)) << upgraded;
  EXPECT_NE(FileText().find("Ann:" + upgraded + ":2:10\r\n"), std::string::npos);
  // The new code is read back and checked as the old one was.
  PasswordO again(dir.Str(), "KVXS1.KVX", dialogs);
  EXPECT_EQ(again.Authenticate("ann", "ann-pw"), 10);
  EXPECT_EQ(again.Authenticate("ann", "ann-pw2"), -2);
  EXPECT_EQ(again.Authenticate("ann", ""), -2);
}

TEST(PasswordCode, NewCodesAreArgon2idAndEmptyStaysEmpty) {
  const std::string code = NewPasswordCode("secret");
  EXPECT_TRUE(code.starts_with("$argon2id$")) << code;
  EXPECT_EQ(code.find(':'), std::string::npos);  // it fits in the file's field
  EXPECT_NE(NewPasswordCode("secret"), code);    // a fresh salt each time
  EXPECT_TRUE(CodeMatches(code, "secret"));
  EXPECT_FALSE(CodeMatches(code, "secreT"));
  // Only the older form stops after 8 characters.
  EXPECT_FALSE(CodeMatches(NewPasswordCode("12345678a"), "12345678b"));
  EXPECT_TRUE(CodeMatches(NewLegacyPasswordCode("12345678a"), "12345678b"));
  EXPECT_EQ(NewLegacyPasswordCode("secret").size(), 13u);
  EXPECT_EQ(NewPasswordCode(""), "");
  EXPECT_EQ(NewLegacyPasswordCode(""), "");
}

TEST(PasswordCode, OnlyCodesOfTheCostsTheProgramWritesMatch) {
  ASSERT_GE(sodium_init(), 0);
  // Passes and memory of a code made for the password, and whether it matches.
  const std::vector<std::tuple<unsigned long long, std::size_t, bool>> cases{
      {crypto_pwhash_OPSLIMIT_MODERATE, crypto_pwhash_MEMLIMIT_INTERACTIVE, true},
      {crypto_pwhash_OPSLIMIT_INTERACTIVE - 1, crypto_pwhash_MEMLIMIT_INTERACTIVE, false},
      {crypto_pwhash_OPSLIMIT_MODERATE + 1, crypto_pwhash_MEMLIMIT_INTERACTIVE, false},
      {crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE / 2, false},
  };
  for (const auto& [passes, memory, matches] : cases) {
    std::array<char, crypto_pwhash_STRBYTES> code{};
    ASSERT_EQ(
        crypto_pwhash_str_alg(code.data(), "pw", 2, passes, memory, crypto_pwhash_ALG_ARGON2ID13),
        0);
    EXPECT_EQ(CodeMatches(code.data(), "pw"), matches) << code.data();
  }
}

TEST(PasswordCode, OlderCodesOfLettersBeyondAsciiMatchThoseMadeOnWindows) {
  // typed here (UTF-8), the bytes the code was made from on Windows
  const std::vector<std::pair<std::string, std::string>> cases{
      {"caf\u00e9", "caf\xe9"},
      {"\u20acuro", "\x80uro"},
      {"\u017d\u00fcrich", "\x8e\xfcrich"},
      {"plain", "plain"},
  };
  for (const auto& [typed, windows] : cases) {
    EXPECT_TRUE(CodeMatches(CryptPassword(windows, "Qx"), typed)) << typed;
    EXPECT_TRUE(CodeMatches(NewLegacyPasswordCode(typed), typed)) << typed;
  }
  // Another letter that is the same in its low 7 bits is still another password.
  EXPECT_FALSE(CodeMatches(CryptPassword("caf\xe9", "Qx"), "cafe"));
  // A character Windows-1252 has not: the UTF-8 bytes, as this program made them.
  EXPECT_TRUE(CodeMatches(CryptPassword("\u0436", "Qx"), "\u0436"));
}

TEST_F(PasswordTest, ChangeOwnPasswordNeedsTheRightPassword) {
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

TEST_F(PasswordTest, SetPasswordAndSetLevel) {
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

TEST_F(PasswordTest, NamesBeyondAToZAreFoundByEveryOperation) {
  PasswordO& p = Open({"Boss:" + bossCode + ":1:255", "zoë::2:5"});
  p.SetPassword("zoë", "zoe-pw");
  EXPECT_EQ(p.Authenticate("ZOË", "zoe-pw"), 5);
  dialogs.newPasswords = {{"other", "other"}};
  p.ChangePassword("zoë");
  EXPECT_EQ(p.Authenticate("zoë", "other"), 5);
  EXPECT_EQ(dialogs.newPasswordDialogs, 1);
}

TEST_F(PasswordTest, ManyMoreUsersThanAByteCanCount) {
  std::string text = "Boss:" + bossCode + ":1:255\r\n";
  for (int i = 2; i <= 400; ++i)
    text += "user" + std::to_string(i) + "::" + std::to_string(i) + ":1\r\n";
  text += "last:" + annCode + ":401:42\r\n";
  dir.Write("KVXS1.KVX", text);
  PasswordO p(dir.Str(), "KVXS1.KVX", dialogs);
  EXPECT_EQ(p.UserCount(), 401);
  EXPECT_EQ(p.Authenticate("last", "ann-pw"), 42);
  EXPECT_EQ(p.Authenticate("user300", "x"), 0);
  EXPECT_EQ(p.IndexOfUser("user399"), 399);
  EXPECT_EQ(p.NextUserNumber(), 402);
  EXPECT_TRUE(p.UserExists("USER257"));
}

TEST_F(PasswordTest, MissingFileOrFolder) {
  try {
    PasswordO p(dir.Str(), "KVXS1.KVX", dialogs);
    FAIL() << "no exception";
  } catch (const E_PasWord_Error& e) {
    EXPECT_EQ(std::string(e.what()),
              "Error in _PasWord.Begin:Error num 590, Pasword file not found");
  }
  EXPECT_THROW(PasswordO(dir.Str() + "nowhere/", "KVXS1.KVX", dialogs), ERunError);
}

TEST_F(PasswordTest, AFileThatCannotBeReadIsNotTakenForAnEmptyOne) {
  // Reading this process's memory file from its start fails with an I/O error.
  try {
    PasswordO p("/proc/self/", "mem", dialogs);
    FAIL() << "opened with " << p.UserCount() << " users";
  } catch (const E_PasWord_Error& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Error in _PasWord.Begin:Error num ", 0), 0u) << e.what();
  }
}

TEST_F(PasswordTest, AFileNameWithItsOwnFolderIsUsedAsItIs) {
  test::WritePasswordFile(dir, {{"y", "", 9}});
  const std::string elsewhere = test::WritePasswordFile(dir, {{"x", "", 3}}, "other/users.kvx");
  PasswordO p(dir.Str(), elsewhere, dialogs);
  EXPECT_EQ(p.FilePath(), elsewhere);
  EXPECT_EQ(p.UserLevel(1), 3);
}

TEST_F(PasswordTest, TheProgramEndsWhenThePasswordFileDisappears) {
  PasswordO& p = OpenStandard();
  SetExitHandler([](int code) { throw Exited{code}; });
  EXPECT_TRUE(p.UserExists("ann"));
  std::filesystem::remove(dir.Path() / "KVXS1.KVX");
  try {
    p.Authenticate("ann", "ann-pw");
    FAIL() << "the program went on";
  } catch (const Exited& e) {
    EXPECT_EQ(e.code, 999);
  }
}

TEST_F(PasswordTest, AFailedWriteLeavesThePasswordFileWhole) {
  std::string text;
  for (int i = 1; i <= 100; ++i)
    text += "user" + std::to_string(i) + "::" + std::to_string(i) + ":1\r\n";
  dir.Write("KVXS1.KVX", text);
  PasswordO p(dir.Str(), "KVXS1.KVX", dialogs);
  {
    test::FileSizeLimit limit(512);
    p.AppendUser({"late", "", 0, 101});
  }
  EXPECT_NE(p.LastSaveCode(), 0);
  EXPECT_EQ(FileText(), text);
  // No temporary file is left beside the file and its lock file.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                          std::filesystem::directory_iterator()),
            2);
  // Memory stays as the file is: the next good write holds only its own change.
  EXPECT_EQ(p.UserCount(), 100);
  p.SetLevel("user100", 3);
  EXPECT_EQ(p.LastSaveCode(), 0);
  EXPECT_EQ(FileText(), text.substr(0, text.size() - 3) + "3\r\n");
}

TEST_F(PasswordTest, AFailedSaveIsShownAndUndone) {
  const std::vector<std::pair<const char*, std::function<int(PasswordO&)>>> changes{
      {"append",
       [](PasswordO& p) {
         return p.AppendUser({"carol", "", 0, 9});
       }},
      {"write",
       [](PasswordO& p) {
         return p.WriteUser({"Ann", "", 200, 2}, 2);
       }},
      {"remove", [](PasswordO& p) { return p.RemoveUser(3); }},
  };
  for (const auto& [what, change] : changes) {
    PasswordO& p = OpenStandard();
    const std::string before = FileText();
    dialogs.messages.clear();
    int code = 0;
    {
      test::FileSizeLimit limit(16);
      code = change(p);
    }
    EXPECT_EQ(code, 101) << what;
    EXPECT_EQ(FileText(), before) << what;
    ASSERT_EQ(dialogs.messages.size(), 1u) << what;
    EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Error);
    EXPECT_NE(dialogs.messages[0].text.find(ErrorText(101)), std::string::npos) << what;
    // Memory holds what the file holds.
    EXPECT_EQ(p.UserCount(), 3) << what;
    EXPECT_EQ(p.FindUser("ann").level, 10) << what;
  }
}

TEST_F(PasswordTest, AWriteProtectedPasswordFileIsLeftAlone) {
  PasswordO& p = OpenStandard();
  const std::string before = FileText();
  std::filesystem::permissions(dir.Path() / "KVXS1.KVX", std::filesystem::perms::owner_read |
                                                             std::filesystem::perms::group_read |
                                                             std::filesystem::perms::others_read);
  EXPECT_EQ(p.AppendUser({"carol", "", 0, 9}), 5);
  EXPECT_EQ(FileText(), before);
  EXPECT_EQ(dialogs.Texts().back().substr(dialogs.Texts().back().size() - ErrorText(5).size()),
            ErrorText(5));
}

TEST(UserLine, NamesAreCutAtFiftyCharactersNeverInsideALetter) {
  const std::string jose = std::string(48, 'x') + "JOS\u00c9";  // the É is the 52nd character
  EXPECT_EQ(ParseUserLine(jose + "::1:0").name, std::string(48, 'x') + "JO");
  const std::string accented = std::string(49, 'x') + "\u00c9\u00c9";
  EXPECT_EQ(UserLine({accented, "", 0, 1}), std::string(49, 'x') + "\u00c9::1:0");
  EXPECT_NE(UserNameProblem("JOS\xc3"), "");  // a letter cut in half is no name
}

TEST_F(PasswordTest, AddedAccentedNamesKeepTheFileReadable) {
  PasswordO& p = OpenStandard();
  dialogs.logins.push_back({"ann", "ann-pw"});
  ASSERT_EQ(p.Login(), 10);
  dialogs.inputs = {std::string(49, 'j') + "\u00c9\u00c9"};
  dialogs.newPasswords = {{"", ""}};
  p.AddUser();
  PasswordO again(dir.Str(), "KVXS1.KVX", dialogs);
  EXPECT_EQ(again.UserName(4), std::string(49, 'j') + "\u00c9");
}

TEST_F(PasswordTest, EveryLineIsReadWhateverItsLineEndAndEncoding) {
  // the file's bytes, the names read
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases{
      {"Boss::1:255\rAnn::2:10\rJOS\u00c9::3:0\r", {"Boss", "Ann", "JOS\u00c9"}},
      {"Boss::1:255\r\nAnn::2:10\rbob::3:0\nJOS\u00c9::4:0", {"Boss", "Ann", "bob", "JOS\u00c9"}},
      {"Boss::1:255\r\n\x1a\r\nAnn::2:10\r\n\x1a"
       "bob::3:0\r\n",
       {"Boss", "Ann", "bob"}},
      // One Windows-1252 line changes only itself.
      {"JOS\u00c9::1:255\r\nREN\xc9::2:0\r\n", {"JOS\u00c9", "REN\u00c9"}},
  };
  for (const auto& [bytes, names] : cases) {
    dir.Write("KVXS1.KVX", bytes);
    PasswordO p(dir.Str(), "KVXS1.KVX", dialogs);
    std::vector<std::string> read;
    for (LineNo i = 1; i <= p.UserCount(); ++i) read.push_back(p.UserName(i));
    EXPECT_EQ(read, names) << bytes;
    EXPECT_EQ(p.IndexOfUser(names.back()), static_cast<std::int32_t>(names.size()));
    // A save keeps every user.
    p.SetLevel(names[0], 255);
    EXPECT_EQ(PasswordO(dir.Str(), "KVXS1.KVX", dialogs).UserCount(), names.size()) << bytes;
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PasswordTest, ABadLineIsLeftOutWithAMessageAndKept) {
  const std::string longLine = "long::3:" + std::string(70000, '1');
  PasswordO& p =
      Open({"Boss:" + bossCode + ":1:255", "odd::2:300", longLine, "Ann:" + annCode + ":4:10"});
  ASSERT_EQ(dialogs.messages.size(), 2u);
  const std::string file = dir.Str() + "KVXS1.KVX";
  EXPECT_EQ(
      dialogs.messages[0].text.rfind("Line 2 of the password file " + file + " has a level", 0),
      0u);
  EXPECT_EQ(dialogs.messages[1].text.rfind("Line 3 of the password file " + file + " is longer", 0),
            0u);
  EXPECT_EQ(p.UserCount(), 2);
  dialogs.logins = {{"ann", "ann-pw"}};
  EXPECT_EQ(p.Login(), 10);
  // Saving writes the bad lines back after the users.
  EXPECT_NE(FileText().find("\r\nodd::2:300\r\n" + longLine + "\r\n"), std::string::npos);
}

TEST(UserNameProblem, RefusesNamesThatCannotBeReadBack) {
  EXPECT_EQ(UserNameProblem("Ann"), "");
  EXPECT_EQ(UserNameProblem("a:b"), "A user name can not contain \":\"");
  EXPECT_EQ(UserNameProblem(""), "A user name can not be empty");
  EXPECT_NE(UserNameProblem("a\nb"), "");
}

}  // namespace
}  // namespace orv
