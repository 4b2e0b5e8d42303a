#include "users/passwordfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "password_fixture.h"
#include "support/buffer_lines.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "users/password.h"

namespace orv {
namespace {

using Outcome = ChangeResult::Outcome;

class PasswordFileTest : public PasswordTest {};

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

TEST_F(PasswordFileTest, ReadsTheFieldsOfEachLine) {
  PasswordO& p = OpenStandard();
  ASSERT_EQ(p.UserCount(), 3);
  const UserRecord ann = p.ReadUser(2);
  EXPECT_EQ(ann.name, "Ann");
  EXPECT_EQ(ann.code, annCode);
  EXPECT_EQ(ann.number, 2);
  EXPECT_EQ(ann.level, 10);
  EXPECT_EQ(p.UserName(3), "bob");
  EXPECT_EQ(p.UserName(4), "");
  EXPECT_EQ(p.ReadUser(1).level, 255);
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

TEST_F(PasswordFileTest, ChangesAreWrittenBackAsWholeFile) {
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

TEST_F(PasswordFileTest, NextUserNumberIsTheSmallestFreeOne) {
  PasswordO& p = OpenStandard();  // numbers 1, 2 and 4
  EXPECT_EQ(p.NextUserNumber(), 3);
  p.AppendUser({"carol", "", 0, 3});
  EXPECT_EQ(p.NextUserNumber(), 5);
}

TEST_F(PasswordFileTest, UsersAtLevelKeepsFileOrder) {
  PasswordO& p = Open({"a::1:10", "b::2:255", "c::3:50", "d::4:255"});
  const userArray supers = p.UsersAtLevel(255);
  ASSERT_EQ(supers.size(), 2u);
  EXPECT_EQ(supers[0].name, "b");
  EXPECT_EQ(supers[1].name, "d");
  EXPECT_EQ(p.UsersAtLevel(50).size(), 3u);
}

TEST_F(PasswordFileTest, ManyMoreUsersThanAByteCanCount) {
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

TEST_F(PasswordFileTest, MissingFileOrFolder) {
  try {
    PasswordO p(dir.Str(), "KVXS1.KVX", dialogs);
    FAIL() << "no exception";
  } catch (const E_PasWord_Error& e) {
    EXPECT_EQ(std::string(e.what()),
              "Error in _PasWord.Begin:Error num 590, Pasword file not found");
  }
  EXPECT_THROW(PasswordO(dir.Str() + "nowhere/", "KVXS1.KVX", dialogs), ERunError);
}

TEST_F(PasswordFileTest, AFileThatCannotBeReadIsNotTakenForAnEmptyOne) {
  // Reading this process's memory file from its start fails with an I/O error.
  try {
    PasswordO p("/proc/self/", "mem", dialogs);
    FAIL() << "opened with " << p.UserCount() << " users";
  } catch (const E_PasWord_Error& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Error in _PasWord.Begin:Error num ", 0), 0u) << e.what();
  }
}

TEST_F(PasswordFileTest, AFileNameWithItsOwnFolderIsUsedAsItIs) {
  test::WritePasswordFile(dir, {{"y", "", 9}});
  const std::string elsewhere = test::WritePasswordFile(dir, {{"x", "", 3}}, "other/users.kvx");
  PasswordO p(dir.Str(), elsewhere, dialogs);
  EXPECT_EQ(PasswordFilePath(dir.Str(), elsewhere), elsewhere);
  EXPECT_EQ(p.ReadUser(1).level, 3);
}

TEST_F(PasswordFileTest, TheProgramEndsWhenThePasswordFileDisappears) {
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

TEST_F(PasswordFileTest, AFailedWriteLeavesThePasswordFileWhole) {
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

TEST_F(PasswordFileTest, AFailedSaveIsShownAndUndone) {
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

TEST_F(PasswordFileTest, AWriteProtectedPasswordFileIsLeftAlone) {
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

TEST_F(PasswordFileTest, EveryLineIsReadWhateverItsLineEndAndEncoding) {
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

TEST_F(PasswordFileTest, ABadLineIsLeftOutWithAMessageAndKept) {
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
