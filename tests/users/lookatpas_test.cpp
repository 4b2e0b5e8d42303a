#include "users/lookatpas.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "support/test_users.h"
#include "users/password.h"

namespace orv {
namespace {

TEST(LevelEntry, AtMostThreeDigitsCappedAt255) {
  EXPECT_EQ(LevelOfEntry("0"), 0);
  EXPECT_EQ(LevelOfEntry(""), 0);
  EXPECT_EQ(LevelOfEntry("7"), 7);
  EXPECT_EQ(LevelOfEntry("255"), 255);
  EXPECT_EQ(LevelOfEntry("256"), 255);
  EXPECT_EQ(LevelOfEntry("999"), 255);
  EXPECT_EQ(LevelOfEntry("007"), 7);
  for (const char* bad : {"-1", "1 0", " 5", "5 ", "0255", "1000", "+5", "1e2", "x", "٣"}) {
    EXPECT_EQ(LevelOfEntry(bad), std::nullopt) << bad;
  }
}

class LevelChange : public ::testing::Test {
 protected:
  LevelChange() : users_(test::LoggedIn(dir_, dialogs_, test::StandardUsers(), "ADMIN")) {}

  int AnnLevel() const { return users_->FindUser("ANN").level; }

  // Types the entry into the level box of ANN (shown at 100) and confirms.
  bool Enter(const std::string& entry) {
    dialogs_.inputs.push_back(entry);
    dialogs_.answers.push_back(MsgAnswer::Yes);
    return ChangeUserLevel(*users_, dialogs_, "ANN", "100");
  }

  test::TempDir dir_;
  test::FakeDialogs dialogs_;
  std::unique_ptr<PasswordO> users_;
};

TEST_F(LevelChange, TheBoxTheQuestionAndTheStoredLevel) {
  EXPECT_TRUE(Enter("42"));
  EXPECT_EQ(AnnLevel(), 42);
  ASSERT_EQ(dialogs_.inputBoxes.size(), 1u);
  EXPECT_EQ(dialogs_.inputBoxes[0].caption, "User level");
  EXPECT_EQ(dialogs_.inputBoxes[0].prompt, "Input a number from 0 to 255");
  EXPECT_EQ(dialogs_.inputBoxes[0].preset, "100");
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text, "Write changes to password file");
  EXPECT_EQ(dialogs_.messages[0].buttons, MsgButtons::YesCancel);
  // Written to the password file at once.
  auto reread = std::make_unique<PasswordO>(dir_.Str(), "KVXS1.KVX", dialogs_);
  EXPECT_EQ(reread->FindUser("ann").level, 42);
}

TEST_F(LevelChange, LargeAndEmptyEntries) {
  EXPECT_TRUE(Enter("999"));
  EXPECT_EQ(AnnLevel(), 255);
  EXPECT_TRUE(Enter(""));
  EXPECT_EQ(AnnLevel(), 0);
}

TEST_F(LevelChange, BadEntriesAreRefusedAndChangeNothing) {
  for (const char* bad : {"-1", "1 0", "0255"}) {
    dialogs_.messages.clear();
    EXPECT_FALSE(Enter(bad)) << bad;
    EXPECT_EQ(AnnLevel(), 100) << bad;
    ASSERT_EQ(dialogs_.messages.size(), 2u) << bad;
    EXPECT_EQ(dialogs_.messages[1].text, "Error in number");
    EXPECT_EQ(dialogs_.messages[1].kind, MsgKind::Error);
  }
}

TEST_F(LevelChange, ACancelledBoxStillAsksWithThePreset) {
  dialogs_.inputs.push_back(std::nullopt);
  dialogs_.answers.push_back(MsgAnswer::Yes);
  EXPECT_TRUE(ChangeUserLevel(*users_, dialogs_, "ANN", "17"));
  EXPECT_EQ(AnnLevel(), 17);

  dialogs_.inputs.push_back("3");
  dialogs_.answers.push_back(MsgAnswer::Cancel);
  EXPECT_FALSE(ChangeUserLevel(*users_, dialogs_, "ANN", "17"));
  EXPECT_EQ(AnnLevel(), 17);
}

TEST(UserEditorAccess, OnlyTheSuperUserOpensIt) {
  test::TempDir dir;
  test::FakeDialogs dialogs;
  auto bob = test::LoggedIn(dir, dialogs, test::StandardUsers(), "BOB");
  EXPECT_FALSE(MayEditUsers(*bob, dialogs));
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Access denied"});
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Warning);

  auto admin = test::LoggedIn(dir, dialogs, test::StandardUsers(), "ADMIN");
  EXPECT_TRUE(MayEditUsers(*admin, dialogs));
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace orv
