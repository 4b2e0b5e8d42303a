// The Review command through the program's real windows: a learner with a
// word due from an earlier day presses Alt+R, is asked it in the test's own
// windows and answers it; the score is logged under the review's name and
// the word moves up a box. Asked again from the Word List menu, with nothing
// due, the program says when the next words are due.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <string>
#include <vector>

#include "app/program_window.h"
#include "e2e/program_home.h"
#include "scores/score_db_fixture.h"
#include "support/temp_dir.h"
#include "support/window_driver.h"

namespace orv::e2e {
namespace {

using test::Press;
using test::TextOf;
using test::Type;
using test::WindowDriver;

TEST(Review, ADueWordIsAskedAndMovesUpAndThenNothingIsDue) {
  test::TempDir home;
  ASSERT_EQ(MakeProgramDirectory(home.Str()), "");
  const std::string db = home.Str() + "scoredb.gdb";
  // Missed yesterday in WORDS0; another word of a later box is due in five days.
  test::Exec(db,
             "insert into review_box (name, file1, item, box, due_day, last_day, asked, missed) "
             "values ('ADMIN', 'WORDS0', 'dog', 1, current_date - 1, current_date - 2, 1, 1)");
  test::Exec(db,
             "insert into review_box (name, file1, item, box, due_day, last_day, asked, missed) "
             "values ('ADMIN', 'WORDS0', 'emu', 3, current_date + 5, current_date - 2, 3, 0)");
  const QDate nextDue = QDate::currentDate().addDays(2);
  WindowDriver driver(20000, "MainForm");
  LogInAsNewAdmin(driver)
      .Then("MainForm", "asks for a review with Alt+R",
            [](QWidget& w) { Press(w, Qt::Key_R, Qt::AltModifier); })
      .Then("MessageForm", "reads the due word",
            [](QWidget& w) { EXPECT_EQ(TextOf(w, "Label1"), "dog"); })
      .Then("_Input", "types it",
            [](QWidget& w) {
              EXPECT_EQ(TextOf(w, "Progress"), "Hi score 1 : 0 go''s left out of 1 words");
              Type(w, "dog");
              test::SaveScreenshot(w, "review-asks");
              Press(w, Qt::Key_Return);
            })
      .Then("MessageForm", "is told it is right",
            [](QWidget& w) { EXPECT_EQ(TextOf(w, "Label1"), "RIGHT !!"); })
      .Then("SF2", "closes the scores", [](QWidget& w) { Press(w, Qt::Key_Escape); })
      .Then("MainForm", "asks for a review from the Word List menu",
            [](QWidget& w) {
              Press(w, Qt::Key_W, Qt::AltModifier);
              Press(*QApplication::activePopupWidget(), Qt::Key_R);
            })
      .Then("OrvMessage", "is told when the next words are due",
            [&](QWidget& w) {
              EXPECT_EQ(TextOf(w, "qt_msgbox_label"),
                        "Nothing to review today. The next words are due on " +
                            nextDue.toString("dd/MM/yyyy").toStdString() + ".");
              test::SaveScreenshot(w, "review-nothing-due");
              Press(w, Qt::Key_Return);
            })
      .Then("MainForm", "quits", [](QWidget& w) { Press(w, Qt::Key_Q, Qt::AltModifier); });
  EXPECT_EQ(RunOrv(home.Str(), [](OrvProgram&) {}), 0);
  EXPECT_TRUE(driver.Done()) << driver.Waiting();
  const auto scores = test::Rows(db, "select file1, score, word_count from score");
  ASSERT_EQ(scores.size(), 1u);
  EXPECT_TRUE(scores[0][0].ends_with("(REVIEW).SCO")) << scores[0][0];
  EXPECT_EQ(scores[0][1], "1");
  EXPECT_EQ(
      test::Rows(db,
                 "select item, box, due_day - last_day, asked from review_box order by "
                 "item"),
      (std::vector<std::vector<std::string>>{{"dog", "2", "2", "2"}, {"emu", "3", "7", "3"}}));
}

}  // namespace
}  // namespace orv::e2e
