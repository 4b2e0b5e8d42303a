// Drives the built orvc's users command as a script or an administrator would.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/clock.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "support/test_users.h"
#include "users/crypt.h"
#include "users/loginrecord.h"
#include "users/password.h"
#include "users/passwordcode.h"

namespace orv {
namespace {

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// orvc started with the input, not yet waited for.
std::unique_ptr<QProcess> StartOrvc(const std::vector<std::string>& args,
                                    const std::string& input = "",
                                    const std::string& orvHome = "") {
  auto process = std::make_unique<QProcess>();
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("ORV_HOME");
  if (!orvHome.empty()) env.insert("ORV_HOME", QString::fromStdString(orvHome));
  process->setProcessEnvironment(env);
  QStringList list;
  for (const auto& a : args) list << QString::fromStdString(a);
  process->start(ORVC_PATH, list);
  process->write(input.data(), static_cast<qint64>(input.size()));
  process->closeWriteChannel();
  return process;
}

Outcome Finish(QProcess& process) {
  process.waitForFinished(30000);
  Outcome r;
  r.exitCode =
      process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit
          ? process.exitCode()
          : -1;
  r.out = process.readAllStandardOutput().toStdString();
  r.err = process.readAllStandardError().toStdString();
  return r;
}

Outcome Orvc(const std::vector<std::string>& args, const std::string& input = "",
             const std::string& orvHome = "") {
  return Finish(*StartOrvc(args, input, orvHome));
}

int Lines(const std::string& text) {
  int n = 0;
  for (char c : text) n += c == '\n';
  return n;
}

class OrvcUsers : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WritePasswordFile(home, {{"Boss", "boss-pw", 255}, {"bob", "", 50, 4}});
  }
  Outcome Users(std::vector<std::string> args, const std::string& input = "") {
    return Finish(*StartUsers(std::move(args), input));
  }
  std::unique_ptr<QProcess> StartUsers(std::vector<std::string> args,
                                       const std::string& input = "") {
    args.insert(args.begin(), {"users", "--home", home.Str()});
    return StartOrvc(args, input);
  }
  test::TempDir home;
};

TEST_F(OrvcUsers, ListsNameLevelAndNumber) {
  const Outcome r = Users({"list"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "Boss\t255\t1\nbob\t50\t4\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(OrvcUsers, AddsUsersWithTheNextFreeNumber) {
  EXPECT_EQ(Users({"add", "Ann", "--level", "7"}).exitCode, 0);
  EXPECT_EQ(Users({"add", "--level=9", "Carl"}).exitCode, 0);
  EXPECT_EQ(Users({"add", "Dora"}).exitCode, 0);
  EXPECT_EQ(home.Read("KVXS1.KVX").substr(home.Read("KVXS1.KVX").find("bob")),
            "bob::4:50\r\nAnn::2:7\r\nCarl::3:9\r\nDora::5:0\r\n");
}

TEST_F(OrvcUsers, RefusesBadNamesAndLevelsWithOneLine) {
  const std::string before = home.Read("KVXS1.KVX");
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"add", "BOB"},
           {"add", "a:b"},
           {"add", "x", "--level", "256"},
           {"add", "x", "--level", "-1"},
           {"add", std::string(51, 'n')},
           {"add"},
           {"set-level", "nobody", "3"},
           {"set-level", "bob", "ten"},
           {"add", "root", "--level", "255"},  // a super user needs a password
           {"frobnicate"},
       }) {
    const Outcome r = Users(args);
    EXPECT_NE(r.exitCode, 0) << args[0];
    EXPECT_EQ(Lines(r.err), 1) << r.err;
    EXPECT_EQ(r.err.rfind("orvc: ", 0), 0u) << r.err;
  }
  EXPECT_EQ(home.Read("KVXS1.KVX"), before);
  EXPECT_NE(Users({"add", "a:b"}).err.find("\":\""), std::string::npos);
  EXPECT_NE(Users({"add", "bob"}).err.find("exists"), std::string::npos);
}

TEST_F(OrvcUsers, SetPasswordWritesArgon2idOrTheOlderFormWhenAsked) {
  // the options, and whether the code field is to be an Argon2id string
  for (const auto& [args, argon2] : std::vector<std::pair<std::vector<std::string>, bool>>{
           {{"set-password", "bob"}, true}, {{"set-password", "bob", "--legacy"}, false}}) {
    ASSERT_EQ(Users(args, "bob-pw\n").exitCode, 0);
    const std::string file = home.Read("KVXS1.KVX");
    const std::size_t start = file.find("bob:") + 4;
    const std::string code = file.substr(start, file.find(':', start) - start);
    EXPECT_EQ(code.starts_with("$argon2id$"), argon2) << code;
    EXPECT_EQ(code.size() == 13, !argon2) << code;
    EXPECT_EQ(Users({"check", "bob"}, "bob-pw\n").out, "50\n");
  }
}

TEST_F(OrvcUsers, ASuperUserIsAddedWithThePasswordGiven) {
  EXPECT_EQ(Users({"add", "root", "--level", "255"}, "\n").exitCode, 1);
  ASSERT_EQ(Users({"add", "root", "--level", "255"}, "root-pw\n").exitCode, 0);
  EXPECT_EQ(Users({"check", "bob"}, "root-pw\n").out, "255\n");
  EXPECT_EQ(Users({"check", "root"}, "tamblore\n").exitCode, 1);
}

// The record of tries belongs to the program directory: wrong tries another
// program made count in orvc, and orvc's in the next program. A missing user
// is told as a wrong password is.
TEST_F(OrvcUsers, WrongTriesOfOtherProgramsMakeTheNextWait) {
  const std::string path = LoginRecordPath(home.Str());
  {
    InstantClock earlier(TheClock().UnixSeconds() - 100);
    ScopedClock scope(earlier);
    LoginRecord record(path);
    for (const std::uint32_t wait : {1, 2, 4, 8}) {
      ASSERT_EQ(record.Take("BOSS"), 0);
      earlier.Sleep(wait * 1000);
    }
  }
  // The fifth wrong try may be made now; it makes the next wait 16 s.
  Outcome r = Users({"check", "Boss"}, "bad\n");
  EXPECT_EQ(r.err, "orvc: wrong user name or password for \"Boss\"\n");
  r = Users({"check", "Boss"}, "boss-pw\n");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_TRUE(
      r.err.starts_with("orvc: Too many wrong log-ins for this name in a row: try again in "))
      << r.err;
  EXPECT_GT(LoginRecord(path).SecondsToWait("BOSS"), 0);
  r = Users({"check", "nobody"}, "bad\n");
  EXPECT_EQ(r.err, "orvc: wrong user name or password for \"nobody\"\n");

  // Each try taken is a line; the one refused is none.
  const std::string log =
      home.Read(std::string(kLoginRecordFolder) + "/" + std::string(kLoginRecordFile));
  std::size_t boss = 0;
  for (std::size_t at = log.find("\tBOSS\n"); at != std::string::npos;
       at = log.find("\tBOSS\n", at + 1)) {
    ++boss;
  }
  EXPECT_EQ(boss, 5u) << log;
  EXPECT_NE(log.find("\twrong\t"), std::string::npos) << log;
  EXPECT_NE(log.find("\torvc\t"), std::string::npos) << log;
  EXPECT_NE(log.find("\tNOBODY\n"), std::string::npos) << log;
}

TEST_F(OrvcUsers, SetsLevelsAndPasswordsAndChecksThem) {
  EXPECT_EQ(Users({"set-level", "BOB", "60"}).exitCode, 0);
  EXPECT_EQ(Users({"check", "bob"}, "anything\n").out, "0\n");  // no password: level 0
  EXPECT_EQ(Users({"set-password", "bob"}, "bob-pw\r\nignored\n").exitCode, 0);

  Outcome r = Users({"check", "Bob"}, "bob-pw\n");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "60\n");
  r = Users({"check", "bob"}, "boss-pw\n");
  EXPECT_EQ(r.out, "255\n");
  r = Users({"check", "bob"}, "ignored\n");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(Lines(r.err), 1);
  r = Users({"check", "nobody"}, "bob-pw\n");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(Lines(r.err), 1);

  // An empty first line takes the password away.
  EXPECT_EQ(Users({"set-password", "bob"}, "\n").exitCode, 0);
  EXPECT_NE(home.Read("KVXS1.KVX").find("bob::4:60"), std::string::npos);
  // No line at all is an error, and nothing changes.
  r = Users({"set-password", "bob"}, "");
  EXPECT_NE(r.exitCode, 0);
  EXPECT_EQ(Lines(r.err), 1);
}

TEST_F(OrvcUsers, FindsTheProgramDirectoryThroughTheEnvironment) {
  const Outcome r = Orvc({"users", "list"}, "", home.Str());
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(Lines(r.out), 2);
}

TEST_F(OrvcUsers, UsesThePasswordFileNamedInTheIni) {
  home.Write("orv.ini", "[Software/Quenby/Orv/7.0/Data]\npasFile=OTHER.KVX\n");
  test::WritePasswordFile(home, {{"Other", "", 200, 9}}, "OTHER.KVX");
  EXPECT_EQ(Users({"list"}).out, "Other\t200\t9\n");
}

TEST_F(OrvcUsers, AMissingPasswordFileOrFolderIsOneLine) {
  test::TempDir empty;
  Outcome r = Orvc({"users", "list", "--home", empty.Str()});
  EXPECT_NE(r.exitCode, 0);
  EXPECT_EQ(Lines(r.err), 1);
  EXPECT_NE(r.err.find("KVXS1.KVX"), std::string::npos);
  r = Orvc({"users", "list", "--home", empty.Str() + "no/such/folder"});
  EXPECT_NE(r.exitCode, 0);
  EXPECT_EQ(Lines(r.err), 1);
}

TEST_F(OrvcUsers, HandlesHundredsOfUsers) {
  std::vector<test::TestUser> users;
  for (int i = 1; i <= 300; ++i) users.push_back({"u" + std::to_string(i), "", 1});
  test::WritePasswordFile(home, users);
  EXPECT_EQ(Users({"add", "late"}).exitCode, 0);
  const Outcome r = Users({"list"});
  EXPECT_EQ(Lines(r.out), 301);
  EXPECT_NE(r.out.find("late\t0\t301\n"), std::string::npos);
}

TEST_F(OrvcUsers, UsersAddedAtOnceAreAllKept) {
  std::vector<std::unique_ptr<QProcess>> adding;
  for (int i = 1; i <= 40; ++i) adding.push_back(StartUsers({"add", "u" + std::to_string(i)}));
  for (const auto& process : adding) {
    const Outcome r = Finish(*process);
    EXPECT_EQ(r.exitCode, 0) << r.err;
  }
  std::istringstream list(Users({"list"}).out);
  std::set<std::string> names;
  std::set<int> numbers;
  std::string name;
  int level = 0;
  int number = 0;
  while (list >> name >> level >> number) {
    names.insert(name);
    numbers.insert(number);
  }
  EXPECT_EQ(names.size(), 42u);
  EXPECT_EQ(numbers.size(), 42u);  // no number given twice
}

TEST_F(OrvcUsers, ALevelAndAPasswordSetAtOnceAreBothKept) {
  for (int round = 1; round <= 15; ++round) {
    const std::string password = "pw" + std::to_string(round) + "\n";
    const auto level = StartUsers({"set-level", "bob", std::to_string(round)});
    const auto code = StartUsers({"set-password", "bob"}, password);
    EXPECT_EQ(Finish(*level).exitCode, 0);
    EXPECT_EQ(Finish(*code).exitCode, 0);
    EXPECT_EQ(Users({"check", "bob"}, password).out, std::to_string(round) + "\n") << round;
  }
}

TEST_F(OrvcUsers, ARunningProgramsSavesKeepTheUsersAddedMeanwhile) {
  // The program holds the users it read at its start, as orv does.
  test::FakeDialogs dialogs;
  PasswordO program(home.Str(), "KVXS1.KVX", dialogs);
  std::vector<std::unique_ptr<QProcess>> adding;
  for (int i = 1; i <= 20; ++i) adding.push_back(StartUsers({"add", "new" + std::to_string(i)}));
  for (int level = 1; level <= 20; ++level)
    program.SetLevel("bob", static_cast<std::uint8_t>(level));
  for (const auto& process : adding) EXPECT_EQ(Finish(*process).exitCode, 0);
  program.SetLevel("bob", 99);
  const Outcome list = Users({"list"});
  EXPECT_EQ(Lines(list.out), 22) << list.out;
  EXPECT_NE(list.out.find("bob\t99\t4\n"), std::string::npos) << list.out;
  EXPECT_EQ(program.UserCount(), 22);
  EXPECT_TRUE(dialogs.messages.empty()) << dialogs.Texts().front();
}

TEST_F(OrvcUsers, ASuperUserCodeOfCostsTheProgramNeverWritesIsAWrongPassword) {
  const std::string code = NewPasswordCode("boss-pw");
  for (const auto& [field, outlandish] : std::vector<std::pair<std::string, std::string>>{
           {"t=", "t=4294967295"}, {"m=", "m=16777216"}}) {
    const std::size_t at = code.find(field);
    std::string bad = code;
    bad.replace(at, code.find_first_of(",$", at) - at, outlandish);
    home.Write("KVXS1.KVX",
               "Boss:" + bad + ":1:255\r\nbob:" + CryptPassword("bob-pw", "Bb") + ":4:50\r\n");
    // Every log-in checks the super users' codes first.
    const Outcome r = Users({"check", "bob"}, "bob-pw\n");
    EXPECT_EQ(r.exitCode, 0) << outlandish << r.err;
    EXPECT_EQ(r.out, "50\n") << outlandish;
  }
}

}  // namespace
}  // namespace orv
