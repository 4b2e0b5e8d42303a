// The review's boxes against a real score database: a finished test moves
// them in the transaction of its score row, a test cut short moves none, and
// two programs moving one learner's boxes at the same moment lose neither
// move. On the embedded engine, and on the test server when there is one.
#include <gtest/gtest.h>

#include <QDateTime>
#include <chrono>
#include <future>
#include <thread>

#include "scores/reviewtable.h"
#include "session/reviewselection.h"
#include "session/session_fixture.h"

namespace orv::test {
namespace {

class Review : public SessionTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    if (GetParam() && TestServer().empty()) GTEST_SKIP() << kNoTestServer;
    SessionTest::SetUp();
    if (GetParam()) {
      host.path = TestServer() + ":" + dir.Str() + "server.gdb";
      CreateScoreDatabase(host.path, host.account);
    }
    settings.inOrder = true;
    list = WriteList("review.orv", "$noSort\ncat\ndog\n$script\n$#1to2 x 3\n");
  }
  // file1, item, box, days to the due day, asked, missed of every item.
  std::vector<Row> Boxes() {
    return Rows(
        "select file1, item, box, due_day - last_day, asked, missed from review_box order by item");
  }
  std::string list;
  InstantClock dayClock{1'780'000'000};  // a day in 2026
  ScopedClock useDayClock{dayClock};
};

TEST_P(Review, AFinishedTestMovesEachItemOnceAndAnExpressionLineIsOneItem) {
  learner.Say("cat").Say("dgo").Say("dog").Say("3").Say("6");
  Run(list);
  const std::vector<Row> moved{{"REVIEW", "$#1to2 x 3", "2", "2", "1", "0"},
                               {"REVIEW", "cat", "2", "2", "1", "0"},
                               {"REVIEW", "dog", "1", "1", "1", "1"}};
  EXPECT_EQ(Boxes(), moved);
  // The next day's test: a miss of one sum sends the whole line back.
  dayClock.Sleep(86'400'000);
  learner.Say("cat").Say("dog").Say("3").Say("7").Say("6");
  Run(list);
  const std::vector<Row> again{{"REVIEW", "$#1to2 x 3", "1", "1", "2", "1"},
                               {"REVIEW", "cat", "3", "4", "2", "0"},
                               {"REVIEW", "dog", "2", "2", "2", "1"}};
  EXPECT_EQ(Boxes(), again);
  EXPECT_EQ(Rows("select count(*), count(distinct log_group) from review_move"),
            (std::vector<Row>{{"6", "2"}}));
}

// A test day a day off caps the interval of a word right at once; the day
// is named as DD/MM/YYYY in any letter case of the directive.
TEST_P(Review, AListsTestDayKeepsItsWordsFromWaitingPastIt) {
  const QDate tomorrow = QDateTime::fromSecsSinceEpoch(dayClock.UnixSeconds()).date().addDays(1);
  const std::string day = tomorrow.toString("dd/MM/yyyy").toStdString();
  learner.Say("cat");
  Run(WriteList("day.orv", "$TESTDAY " + day + "\ncat\n"));
  EXPECT_EQ(Rows("select item, due_day - last_day, test_day from review_box"),
            (std::vector<Row>{{"cat", "1", tomorrow.toString(Qt::ISODate).toStdString()}}));
}

// The earlier of the list's own day and the teacher's holds for the next
// due day of a word right at once (box 2, two days without a test day).
TEST_P(Review, TheEarlierOfTheListsAndTheTeachersTestDayHolds) {
  const std::int64_t today = ReviewToday();
  struct Case {
    std::optional<int> listIn, groupIn;  // days from today
    const char* due;                     // days to the due day
  } const cases[] = {{30, 1, "1"}, {1, 30, "1"}, {{}, 1, "1"}, {{}, {}, "2"}, {{}, -1, "2"}};
  for (const Case& c : cases) {
    database.RunAndCommit("delete from review_box");
    database.RunAndCommit("delete from review_test_day");
    std::string text = "cat\n";
    if (c.listIn) {
      const QDate day = QDate::fromJulianDay(today + *c.listIn);
      text += "$testDay " + day.toString("dd/MM/yyyy").toStdString() + "\n";
    }
    if (c.groupIn) {
      ASSERT_TRUE(SetLearnersTestDay(database, {"ann", "bob"}, "DAY", today + *c.groupIn));
    }
    learner.Say("cat");
    Run(WriteList("day.orv", text));
    EXPECT_EQ(Rows("select due_day - last_day from review_box"), (std::vector<Row>{{c.due}}))
        << c.listIn.value_or(0) << " " << c.groupIn.value_or(0);
  }
  // Set again, a learner's day is replaced; cleared, it is gone.
  ASSERT_TRUE(database.ConectDB());
  SetGroupTestDay(database.Database(), {"ann"}, "DAY", today + 5);
  EXPECT_EQ(GroupTestDays(database.Database(), "ann"), (TestDays{{"DAY", today + 5}}));
  SetGroupTestDay(database.Database(), {"ann"}, "DAY", std::nullopt);
  EXPECT_EQ(GroupTestDays(database.Database(), "ann"), TestDays{});
  EXPECT_EQ(GroupTestDays(database.Database(), "bob"), (TestDays{{"DAY", today - 1}}));
}

// The class overview's test day is there at once for other programs; one the
// engine refuses leaves every learner's day as it was.
TEST_P(Review, TheOverviewsTestDayIsCommittedOrLeftAsItWas) {
  const std::int64_t today = ReviewToday();
  const std::string inFive = QDate::fromJulianDay(today + 5).toString(Qt::ISODate).toStdString();
  auto days = [&] {
    return Rows("select name, file1, test_day from review_test_day order by name");
  };
  ASSERT_TRUE(SetLearnersTestDay(database, {"ann", "bob"}, "DAY", today + 5));
  const std::vector<Row> set{{"ann", "DAY", inFive}, {"bob", "DAY", inFive}};
  EXPECT_EQ(days(), set);
  // Refused once ann's day was taken away to be replaced.
  EXPECT_THROW(
      SetLearnersTestDay(database, {"ann", "bob"}, "DAY", QDate(10000, 1, 1).toJulianDay()),
      E_DB_Error);
  database.CommitRetaining();
  EXPECT_EQ(days(), set);
}

TEST(TypedListKey, IsTheListColumnsGroupAndNameInCapitals) {
  const std::pair<const char*, const char*> cases[] = {
      {"spell\\words1.orv", "spell\\WORDS1"},
      {" words0\t", "WORDS0"},
      {"WORDS0", "WORDS0"},
      {" \t ", ""},
  };
  for (const auto& [typed, key] : cases) EXPECT_EQ(TypedListKey(typed), key) << typed;
}

// Until the test day the review brings the list's items never asked, after
// the overdue items and before those due today, an expression line as one
// item; on the day and after it they no longer come. A list whose own line
// names the day is found by the day its met items were given.
TEST_P(Review, NeverAskedItemsOfATestDayListComeUntilTheDay) {
  const std::int64_t today = ReviewToday();
  const std::string root = dir.Str() + "orv.orv/";
  const QDate inThree = QDate::fromJulianDay(today + 3);
  WriteList("dayl.orv",
            "$testDay " + inThree.toString("dd/MM/yyyy").toStdString() + "\nant\nbee\n");
  auto box = [&](const char* file, const char* item, int dueIn,
                 std::optional<std::int64_t> testDay = std::nullopt) {
    ASSERT_TRUE(database.ConectDB());
    MoveReviewBoxes(database.Database(), "ann", 1,
                    {{{file, item}, testDay, [&](const std::optional<ReviewState>&) {
                        return ReviewState{2, today + dueIn, today - 3, 1, 0};
                      }}});
    database.CommitRetaining();
  };
  box("REVIEW", "cat", 5);  // met, not due
  box("OTHER", "owl", -2);  // overdue
  box("OTHER", "emu", 0);   // due today
  box("DAYL", "ant", 2, today + 3);
  auto selected = [&](std::size_t limit) {
    std::string items;
    for (const ReviewRow& row : SelectReview(database.Database(), "ann", today, limit, root)) {
      items += row.key.file + ":" + row.key.item + " ";
    }
    return items;
  };
  const struct {
    std::optional<int> groupIn;
    std::size_t limit;
    const char* items;
  } cases[] = {
      {3, 20, "OTHER:owl DAYL:bee REVIEW:dog REVIEW:$#1to2 x 3 OTHER:emu "},
      {3, 3, "OTHER:owl DAYL:bee REVIEW:dog "},
      {3, 1, "OTHER:owl "},
      {0, 20, "OTHER:owl DAYL:bee OTHER:emu "},
      {-1, 20, "OTHER:owl DAYL:bee OTHER:emu "},
      {{}, 20, "OTHER:owl DAYL:bee OTHER:emu "},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(database.ConectDB());
    SetGroupTestDay(database.Database(), {"ann"}, "REVIEW",
                    c.groupIn ? std::optional(today + *c.groupIn) : std::nullopt);
    EXPECT_EQ(selected(c.limit), c.items) << c.groupIn.value_or(99) << " " << c.limit;
  }
}

TEST_P(Review, ATestCutShortMovesNoBox) {
  // Ended with "exit" and its last word; stopped by closing the window.
  learner.Say("cat").Say("exit").Say("dog");
  Run(list);
  learner.Say("cat").Closes();
  Run(list);
  EXPECT_EQ(Scores().size(), 2u);
  EXPECT_EQ(Boxes(), std::vector<Row>{});
}

TEST_P(Review, TheBoxesAndTheScoreAreCommittedTogetherOrNotAtAll) {
  Exec(host.path, "create exception no_move 'no move'");
  Exec(host.path,
       "create trigger no_move for review_move before insert as begin exception no_move; end");
  learner.Say("cat").Say("dog").Say("3").Say("6");
  EXPECT_THROW(Run(list), E_DB_Error);
  EXPECT_EQ(Scores(), std::vector<Row>{});
  EXPECT_EQ(Boxes(), std::vector<Row>{});
}

TEST_P(Review, TwoProgramsMovingOneLearnersBoxesAtOnceLoseNeitherMove) {
  // Another program has moved "cat" and holds its transaction open while
  // this one finishes a test with it.
  std::promise<void> moving;
  std::jthread other([&] {
    TestHost otherHost = host;
    FakeDialogs otherDialogs;
    ScoreDatabase otherDb(otherDialogs, otherHost);
    ASSERT_TRUE(otherDb.ConectDB());
    const std::int64_t day = ReviewToday();
    MoveReviewBoxes(otherDb.Database(), "ann", 1,
                    {{{"REVIEW", "cat"}, std::nullopt, [day](const std::optional<ReviewState>&) {
                        return ReviewState{3, day + 4, day, 5, 1};
                      }}});
    moving.set_value();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    otherDb.CommitRetaining();
  });
  moving.get_future().wait();
  learner.Say("cat").Say("dog").Say("3").Say("6");
  Run(list);
  other.join();
  EXPECT_EQ(Rows("select box, asked, missed from review_box where item = 'cat'"),
            (std::vector<Row>{{"4", "6", "1"}}));
  EXPECT_EQ(Scores().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(EmbeddedAndServer, Review, ::testing::Bool());

}  // namespace
}  // namespace orv::test
