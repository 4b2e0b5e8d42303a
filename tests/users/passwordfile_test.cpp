#include "users/passwordfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/buffer_lines.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "users/password.h"

namespace orv {
namespace {

using Outcome = ChangeResult::Outcome;

TEST(ApplyChange, TheChangeAskedForIsMadeOnTheFileAsItIsNow) {
  // The file as another program left it: Boss, Ann (number 2) and bob
  // (number 4); carol, whom some changes are for, was removed meanwhile.
  struct Case {
    const char* what;
    UserChange change;
    Outcome outcome;
    std::vector<std::string> lines;  // the users afterwards
  };
  const std::vector<std::string> now{"Boss:b:1:255", "Ann:a:2:10", "bob::4:50"};
  const std::vector<Case> cases{
      {"the number taken meanwhile",
       {UserChange::Kind::Add, {}, {"Carol", "", 0, 2}},
       Outcome::Made,
       {"Boss:b:1:255", "Ann:a:2:10", "bob::4:50", "Carol::3:0"}},
      {"the name taken meanwhile",
       {UserChange::Kind::Add, {}, {"ANN", "", 0, 5}},
       Outcome::Refused,
       now},
      {"the level of one removed meanwhile",
       {UserChange::Kind::SetLevel, "carol", {"", "", 7, 0}},
       Outcome::Refused,
       now},
      {"a code while it is what it was",
       {UserChange::Kind::SetCode, "ann", {"", "new", 0, 0}, "a"},
       Outcome::Made,
       {"Boss:b:1:255", "Ann:new:2:10", "bob::4:50"}},
      {"a code another program changed meanwhile",
       {UserChange::Kind::SetCode, "ann", {"", "new", 0, 0}, "old"},
       Outcome::Unneeded,
       now},
      {"the removal of one removed meanwhile",
       {UserChange::Kind::Remove, "carol", {}},
       Outcome::Refused,
       now},
      {"the first line", {UserChange::Kind::Remove, "boss", {}}, Outcome::Refused, now},
  };
  for (const Case& c : cases) {
    PasswordFileContent content{test::BufferOf(now), {}};
    const ChangeResult result = ApplyChange(content, c.change);
    EXPECT_EQ(result.outcome, c.outcome) << c.what;
    EXPECT_EQ(result.refusal.empty(), c.outcome != Outcome::Refused) << c.what;
    EXPECT_EQ(test::LinesOf(content.users), c.lines) << c.what;
  }
}

TEST(PasswordFile, AChangeTheFileNoLongerAllowsIsToldAndMadeNowhere) {
  test::TempDir dir;
  dir.Write("KVXS1.KVX", "Boss:b:1:255\r\nAnn::2:10\r\nbob::4:50\r\n");
  test::FakeDialogs dialogs;
  // Two programs that read the file at their start.
  PasswordO first(dir.Str(), "KVXS1.KVX", dialogs);
  PasswordO second(dir.Str(), "KVXS1.KVX", dialogs);
  ASSERT_EQ(first.RemoveUser(2), 0);
  ASSERT_EQ(first.AppendUser({"Carol", "", 0, 3}), 0);
  second.SetLevel("ann", 99);
  second.AppendUser({"CAROL", "", 0, 3});
  const std::string path = dir.Str() + "KVXS1.KVX";
  EXPECT_EQ(dialogs.Texts(),
            (std::vector<std::string>{
                "The user \"Ann\" is no longer in the password file, so the change was not made "
                "(the password file " +
                    path + " had been changed by another program).",
                "A user named \"Carol\" is in the password file now, so \"CAROL\" was not added "
                "(the password file " +
                    path + " had been changed by another program)."}));
  EXPECT_TRUE(second.LastChangeRefused());
  EXPECT_EQ(dir.Read("KVXS1.KVX"), "Boss:b:1:255\r\nbob::4:50\r\nCarol::3:0\r\n");
  // The second program now holds what the file holds.
  EXPECT_EQ(second.UserCount(), 3);
  EXPECT_EQ(second.IndexOfUser("ann"), -1);
}

}  // namespace
}  // namespace orv
