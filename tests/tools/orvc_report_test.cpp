// orvc report over a program directory whose scores real test sessions made:
// filtered by learner and days, as CSV and as a table to read, the kinds of
// mistake among them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/programpaths.h"
#include "app/registry.h"
#include "progress/csv_reader.h"
#include "progress/progress_fixture.h"
#include "support/run_program.h"
#include "support/test_users.h"

namespace orv::test {
namespace {

class OrvcReport : public ClassScoresTest {
 protected:
  void SetUp() override {
    ClassScoresTest::SetUp();
    ProgramPaths paths;
    SetProgramDirectory(paths, dir.Str());
    RegWriteString(paths, kOrvKey, "scoreDB", host.path);
    Take("animals.orv", "ann", "03/02/2026", {{"cat"}, {"dgo"}, {"dog"}, {"fox"}, {"owl"}});
    Take("animals.orv", "ann", "10/02/2026", {{"cat"}, {"dog"}, {"fox"}, {"owl"}});
    Take("sums.orv", "bob", "09/02/2026", {{"mon"}, {"moon"}, {"snu"}, {"sun"}});
    database.Disconnect();
  }

  ProgramRun Report(std::vector<std::string> args) {
    args.insert(args.begin(), {"report", "--home", dir.Str()});
    return RunProgram(ORVC_PATH, args);
  }

  // One column of a CSV report, without its title.
  std::vector<std::string> Column(const std::vector<std::string>& args, std::size_t column) {
    const ProgramRun run = Report(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> values;
    const Records records = ReadCsv(run.out);
    for (std::size_t r = 1; r < records.size(); ++r) values.push_back(records[r].at(column));
    return values;
  }
};

TEST_F(OrvcReport, EachTableIsFilteredByLearnerAndByDays) {
  struct Case {
    std::vector<std::string> args;
    std::vector<std::string> firstColumn;
  };
  // cid, a user of the password file, has taken no test yet.
  WritePasswordFile(dir, {{"ann", "", 0}, {"bob", "", 0}, {"cid", "", 0}});
  const Case cases[] = {
      {{"scores", "--csv"}, {"ann", "bob", "ann"}},
      {{"scores", "--csv", "--user", "ann"}, {"ann", "ann"}},
      {{"scores", "--from", "04/02/2026", "--csv"}, {"bob", "ann"}},
      {{"scores", "--csv", "--from", "9/2/2026", "--to", "09/02/2026"}, {"bob"}},
      {{"scores", "--csv", "--to", "02/02/2026"}, {}},
      {{"log", "--csv"}, {"ann", "bob", "bob"}},
      {{"log", "--csv", "--user", "bob", "--from", "09/02/2026"}, {"bob", "bob"}},
      {{"log", "--csv", "--to", "08/02/2026"}, {"ann"}},
      {{"class", "--csv"}, {"ann", "bob", "cid"}},
      {{"class", "--csv", "--user", "bob"}, {"bob"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Column(c.args, 0), c.firstColumn) << ::testing::PrintToString(c.args);
  }
}

TEST_F(OrvcReport, TheClassReportTakesTheScoreTablesPercentage) {
  const ProgramRun run = Report({"class", "--csv"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  // The sessions moved the boxes by the fixture's clock, which starts in
  // 1970; orvc goes by today's date, by which all of them are due.
  EXPECT_EQ(ReadCsv(run.out),
            (Records{{"Learner", "List", "Tests", "Latest %", "Best %", "Trend", "Due", "Learned"},
                     {"ann", "ANIMALS", "2", "100", "100", "+25", "4", "0"},
                     {"bob", "SUMS", "1", "0", "0", "", "2", "0"}}));
  EXPECT_EQ(Rows("select percent1 from score_tab order by log_group"),
            (std::vector<Row>{{"75"}, {"100"}, {"0"}}));
  EXPECT_EQ(Column({"log", "--csv", "--user", "bob"}, 7), (std::vector<std::string>{"mon", "snu"}));
}

TEST_F(OrvcReport, WithoutCsvTheTableIsLaidOutInColumns) {
  const ProgramRun run = Report({"class"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "Learner  List     Tests  Latest %  Best %  Trend  Due  Learned\n"
            "ann      ANIMALS  2      100       100     +25    4    0\n"
            "bob      SUMS     1      0         0              2    0\n");
}

TEST_F(OrvcReport, MistakesAreCountedByKindForTheLearnerAndDaysChosen) {
  // "mon" for "moon" is a double letter typed once.
  const std::vector<std::string> counts = {"0", "0", "2", "0", "1", "0", "0", "0", "0", "0", "0"};
  EXPECT_EQ(Column({"mistakes", "--csv"}, 1), counts);
  EXPECT_EQ(Column({"mistakes", "--csv"}, 2)[2], "\"dgo\" for \"dog\"; \"snu\" for \"sun\"");
  EXPECT_EQ(Column({"mistakes", "--csv", "--from", "04/02/2026"}, 2)[2], "\"snu\" for \"sun\"");
  const ProgramRun run = Report({"mistakes", "--user", "ann"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "Kind             Mistakes  Most frequent\n"
            "missed letter    0\n"
            "extra letter     0\n"
            "swapped letters  1         \"dgo\" for \"dog\"\n"
            "doubled letter   0\n"
            "single letter    0\n"
            "wrong vowel      0\n"
            "wrong letter     0\n"
            "case             0\n"
            "accent           0\n"
            "other            0\n"
            "sum              0\n");
}

// The review's boxes the tests above moved: one learner's only, most
// overdue first, and with --due not those due later.
TEST_F(OrvcReport, ReviewListsALearnersItemsMostOverdueFirst) {
  Exec(host.path,
       "insert into review_box (name, file1, item, box, due_day, last_day, asked, missed) "
       "values ('ann', 'ANIMALS', 'bee', 1, current_date + 3, current_date, 1, 1)");
  const auto items = [this](std::vector<std::string> args) {
    args.insert(args.begin(), {"review", "--home", dir.Str()});
    const ProgramRun run = RunProgram(ORVC_PATH, args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> itemAndBox;
    const Records records = ReadCsv(run.out);
    for (std::size_t r = 1; r < records.size(); ++r) {
      itemAndBox.push_back(records[r].at(1) + " " + records[r].at(2));
    }
    return itemAndBox;
  };
  EXPECT_EQ(items({"ann", "--csv"}),
            (std::vector<std::string>{"dog 2", "cat 3", "fox 3", "owl 3", "bee 1"}));
  EXPECT_EQ(items({"ann", "--due", "--csv"}),
            (std::vector<std::string>{"dog 2", "cat 3", "fox 3", "owl 3"}));
  EXPECT_EQ(RunProgram(ORVC_PATH, {"review", "--home", dir.Str()}).exitCode, 2);
}

TEST_F(OrvcReport, BadOptionsAreRefusedInOneLine) {
  const std::vector<std::string> bad[] = {{"marks"},
                                          {"scores", "--from", "31/02/2026"},
                                          {"scores", "--user"},
                                          {"log", "--since", "01/01/2026"}};
  for (const auto& args : bad) {
    const ProgramRun run = Report(args);
    EXPECT_EQ(run.exitCode, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

}  // namespace
}  // namespace orv::test
