#include "users/userlogin.h"

#include <gtest/gtest.h>

#include "password_fixture.h"

namespace orv {
namespace {

class UserLoginTest : public PasswordTest {};

TEST_F(UserLoginTest, AuthenticateGrantsLevels) {
  PasswordO& p = OpenStandard();
  const struct {
    const char* name;
    const char* password;
    int level;
  } cases[] = {
      {"ANN", "ann-pw", 10},
      {"ann", "ann-PW", -2},
      {"carol", "ann-pw", -1},
      // No password: level 0 whatever is typed, though bob's level is 50.
      {"bob", "anything", 0},
      {"bob", "", 0},
      // The super user's password opens every account at 255.
      {"ann", "boss-pw", 255},
      {"bob", "boss-pw", 255},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(p.Authenticate(c.name, c.password), c.level) << c.name << " " << c.password;
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(UserLoginTest, SuperUserWithoutPasswordIsResetAtTheNextLogIn) {
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

TEST_F(UserLoginTest, TheDefaultPasswordAtLevel255MustBeReplacedBeforeTheLogInGoesOn) {
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

TEST_F(UserLoginTest, LogInLogOutAndCancel) {
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
TEST_F(UserLoginTest, AMissingUserIsRefusedAndSlowedAsAWrongPasswordIs) {
  PasswordO& p = OpenStandard();
  for (const std::string name : {"ann", "carol"}) {
    dialogs.messages.clear();
    dialogs.logins = {{name, "bad"}, {name, "ann-pw"}};
    EXPECT_LT(p.Login(), 0) << name;
    EXPECT_EQ(p.Login(), kLoginDelayed) << name;
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kDenied, LoginDelayedText(1)})) << name;
  }
}

TEST_F(UserLoginTest, HasAccessByLevelOrByQuotedName) {
  PasswordO& p = OpenStandard();
  const std::string requirement = "100 \"ANN\" \"dora\"";
  // Who logs in (nobody at first), the level that gives, then each
  // requirement and whether it is met.
  const struct {
    LoginEntry login;
    int level;
    std::vector<std::pair<std::string, bool>> access;
  } cases[] = {
      // the empty name is nobody's
      {{}, -1, {{"0", false}, {requirement, false}, {"100 \"\"", false}}},
      // named in any case
      {{"ann", "ann-pw"},
       10,
       {{requirement, true},
        {"100 \"ann\"", true},
        {"100 \"bob\"", false},
        {"100 ann", false},
        {"10", true},
        {"11", false},
        {"  10 \"x\"", true}}},
      {{"bob", ""}, 0, {{requirement, false}}},
      {{"ann", "boss-pw"}, 255, {{"255", true}, {"100 \"bob\"", true}}},
  };
  for (const auto& c : cases) {
    if (!c.login.name.empty()) {
      dialogs.logins.push_back(c.login);
      ASSERT_EQ(p.Login(), c.level);
    }
    for (const auto& [needs, met] : c.access) {
      EXPECT_EQ(p.HasAccess(needs), met) << c.login.name << " " << needs;
    }
  }
}

TEST_F(UserLoginTest, OlderCodesLogInAndAreReplacedAtTheUsersOwnLogIn) {
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

}  // namespace
}  // namespace orv
