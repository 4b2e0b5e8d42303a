#include "lists/edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/listedithost.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "support/test_users.h"
#include "users/password.h"

namespace orv {
namespace {

class MayEdit : public ::testing::Test {
 protected:
  // The editor as the program makes it from a user of the standard set.
  ListEditor As(const std::string& who) {
    return ListEditorOf(*test::LoggedIn(dir_, dialogs_, test::StandardUsers(), who));
  }

  test::TempDir dir_;
  test::FakeDialogs dialogs_;
};

TEST_F(MayEdit, ASuperUserMayEditAnyList) {
  auto users = As("ADMIN");
  EXPECT_TRUE(MayEditList(users, ""));
  EXPECT_TRUE(MayEditList(users, "\"ann\""));
}

TEST_F(MayEdit, TheOwnerMayEditWhateverTheLetterCaseButOnlyInQuotes) {
  auto ann = As("ANN");
  EXPECT_TRUE(MayEditList(ann, "\"ann\""));
  EXPECT_TRUE(MayEditList(ann, "\"Ann\""));
  EXPECT_FALSE(MayEditList(ann, "ann"));
  EXPECT_FALSE(MayEditList(ann, "\"ann\" "));
  EXPECT_FALSE(MayEditList(ann, "\"anne\""));
  EXPECT_FALSE(MayEditList(ann, ""));
  // Level 254 is not enough without ownership.
  auto bob = As("BOB");
  EXPECT_FALSE(MayEditList(bob, "\"ann\""));
}

TEST_F(MayEdit, NobodyLoggedInMayEditNothing) {
  auto nobody = As("");
  EXPECT_FALSE(MayEditList(nobody, "\"\""));
  EXPECT_FALSE(MayEditList(nobody, ""));
}

TEST(JoinedLines, EachLineFollowedByABlankWithTheTrailingBlanksRemoved) {
  EXPECT_EQ(JoinedLines({"apple", "banana|yellow", "cherry"}), "apple banana|yellow cherry");
  EXPECT_EQ(JoinedLines({"a  ", "", "b   "}), "a    b");
  EXPECT_EQ(JoinedLines({"   "}), "");
  EXPECT_EQ(JoinedLines({}), "");
  // Longer than the 16-bit text utilities measure.
  const std::vector<std::string> many(20000, "word");
  EXPECT_EQ(JoinedLines(many).size(), 20000u * 5 - 1);
}

}  // namespace
}  // namespace orv
