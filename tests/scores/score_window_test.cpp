// The score window after real tests: the order of the current list's tests,
// the red frame round the test just taken, the sort orders, the words of one
// test with their filters, and who may open whose test.
#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "dbwindow_fixture.h"
#include "files/dos.h"
#include "scores/datagrid_window.h"
#include "scores/score_window.h"
#include "scores/scorequery.h"
#include "support/children.h"

namespace orv::test {
namespace {

class ScoreWindow : public DbWindowTest {
 protected:
  void SetUp() override {
    DbWindowTest::SetUp();
    WriteList("words0.orv", "house\nmouse\ntree\n");
    WriteList("other.orv", "cat\n");
  }
  // Moves a test to another day, as if it had been taken then.
  void MoveTest(std::int32_t group, int daysBack) {
    const QDate day = QDate::currentDate().addDays(-daysBack);
    Exec(host.path, "update score set date1 = '" + DateText(day.year(), day.month(), day.day()) +
                        "' where log_group = " + std::to_string(group));
  }
  std::vector<std::int32_t> Groups() {
    std::vector<std::int32_t> groups;
    for (int row = 0; row < dataSet.RowCount(); ++row) {
      groups.push_back(dataSet.Value(row, "LOG_GROUP").toInt());
    }
    return groups;
  }
  QPoint CellCentre(TSF2& window, int row, int column) {
    return Child<TDBGrid>(window, "DBGrid1")->visualRect(dataSet.index(row, column)).center();
  }
  void ClickTitle(TSF2& window, int column) {
    QHeaderView* header = Child<TDBGrid>(window, "DBGrid1")->horizontalHeader();
    ClickAt(*header->viewport(),
            QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                   header->height() / 2));
  }
};

// Behind more better tests than one fetch brings, the test just taken is
// still the row the grid stands on.
TEST_F(ScoreWindow, TheTestJustTakenIsFoundBehindTheFirstRowsFetched) {
  const std::int32_t marked = TakeTest("ann", {"hose", "house", "mouse", "tree"});
  Exec(host.path,
       "insert into score (name, date1, time1, file1, word_count, score, log_group) with "
       "recursive n (i) as (select 0 from rdb$database union all select i + 1 from n where i < " +
           std::to_string(kFetchBlock) +
           ") select 'bob', s.date1, s.time1, s.file1, 3, 3, "
           "100000 + n.i from n, score s where s.log_group = " +
           std::to_string(marked));
  LogIn("ann");
  TSF2 window(*database, dataSet, windowHost, dialogs);
  window.SetMarkedGroup(marked);
  WhileOpen(
      window, [&] { window.exec(); },
      [&] {
        EXPECT_EQ(Child<TDBGrid>(window, "DBGrid1")->CurrentRow(),
                  static_cast<int>(kFetchBlock) + 1);
        EXPECT_EQ(
            dataSet.Value(Child<TDBGrid>(window, "DBGrid1")->CurrentRow(), "LOG_GROUP").toInt(),
            marked);
      });
}

TEST_F(ScoreWindow, AfterATestTheListsTestsComeBestFirstWithTheNewOneFramedInRed) {
  const std::int32_t perfect = TakeTest("ann", {"house", "mouse", "tree"});
  const std::int32_t older = TakeTest("ann", {"hose", "house", "mouse", "tree"});
  MoveTest(older, 1);
  const std::int32_t bobs = TakeTest("bob", {"hose", "house", "mose", "mouse", "tree"});
  windowHost.currentFile = "other.orv";
  TakeTest("ann", {"cat"});
  windowHost.currentFile = "words0.orv";
  LogIn("ann");

  TSF2 window(*database, dataSet, windowHost, dialogs);
  EXPECT_EQ(window.MarkedGroup(), -1);
  std::vector<std::int32_t> shown;
  int result = -1;
  WindowDriver driver;
  const std::int32_t marked =
      TakeTest("ann", {"house", "mouse", "tee", "tree"}, [&](std::int32_t g) {
        driver.Then("TSF2", "reads the new test's scores, goes back", [&](QWidget&) {
          shown = Groups();
          EXPECT_FALSE(window.WordsView());
          EXPECT_EQ(window.SortOrder(), kByPercent);
          EXPECT_EQ(Child<QLabel>(window, "RowCount")->text(), "4");
          std::vector<std::string> titles;
          for (int i = 0; i < dataSet.columnCount(); ++i) {
            titles.push_back(dataSet.headerData(i, Qt::Horizontal).toString().toStdString());
          }
          EXPECT_EQ(titles, (std::vector<std::string>{"NAME", "Percent", "Ratio", "Date", "Time",
                                                      "Max help", "Help total"}));
          EXPECT_EQ(Child<TDBGrid>(window, "DBGrid1")->columnWidth(0), 200);
          // Every cell of the new test's row has a red frame; no other row has any red.
          const QImage image = Child<TDBGrid>(window, "DBGrid1")->viewport()->grab().toImage();
          for (int row = 0; row < dataSet.RowCount(); ++row) {
            for (int column = 0; column < dataSet.columnCount(); ++column) {
              const QRect cell =
                  Child<TDBGrid>(window, "DBGrid1")->visualRect(dataSet.index(row, column));
              const QRect top(cell.left() + 3, cell.top(), cell.width() - 6, 3);
              const QRect left(cell.left(), cell.top() + 3, 3, cell.height() - 6);
              const QRect middle(cell.left() + 4, cell.top() + 4, cell.width() - 8,
                                 cell.height() - 8);
              const bool isMarked = dataSet.Value(row, "LOG_GROUP").toInt() == g;
              EXPECT_EQ(HasRed(image, top), isMarked) << "row " << row << " column " << column;
              EXPECT_EQ(HasRed(image, left), isMarked) << "row " << row << " column " << column;
              EXPECT_FALSE(HasRed(image, middle)) << "row " << row << " column " << column;
            }
          }
          Child<QPushButton>(window, "BackBtn")->click();
        });
        window.SetMarkedGroup(g);
        result = window.exec();
      });
  EXPECT_EQ(result, QDialog::Accepted);
  // 100 %; then the two 66 % tests, today's first; then bob's 33 %.
  EXPECT_EQ(shown, (std::vector<std::int32_t>{perfect, marked, older, bobs}));
  EXPECT_EQ(window.MarkedGroup(), -1);
}

TEST_F(ScoreWindow, CurrentUserOnlyListsTheUsersTestsNewestFirst) {
  const std::int32_t a = TakeTest("ann", {"house", "mouse", "tree"});
  const std::int32_t b = TakeTest("ann", {"hose", "house", "mouse", "tree"});
  const std::int32_t c = TakeTest("ann", {"hose", "house", "mose", "mouse", "tree"});
  TakeTest("bob", {"house", "mouse", "tree"});
  MoveTest(a, 3);
  MoveTest(c, 40);
  LogIn("ann");
  TSF2 window(*database, dataSet, windowHost, dialogs);
  window.show();
  EXPECT_EQ(dataSet.RowCount(), 4);
  Child<QCheckBox>(window, "CurentUserOnly")->click();
  EXPECT_EQ(window.SortOrder(), kByDate);
  EXPECT_EQ(Groups(), (std::vector<std::int32_t>{b, a, c}));

  // Unchecking keeps the order.
  Child<QCheckBox>(window, "CurentUserOnly")->click();
  EXPECT_EQ(window.SortOrder(), kByDate);
  EXPECT_EQ(dataSet.RowCount(), 4);
}

TEST_F(ScoreWindow, OnlyTheNamePercentAndDateTitlesChangeTheOrder) {
  TakeTest("bob", {"house", "mouse", "tree"});
  TakeTest("ann", {"hose", "house", "mouse", "tree"});
  LogIn("ann");
  TSF2 window(*database, dataSet, windowHost, dialogs);
  window.show();
  const std::vector<std::int32_t> byPercent = Groups();
  for (int column : {2, 4, 5, 6, 1}) {
    SCOPED_TRACE(column);
    ClickTitle(window, column);
    EXPECT_EQ(window.SortOrder(), kByPercent);
    EXPECT_EQ(Groups(), byPercent);
  }
  ClickTitle(window, 0);
  EXPECT_EQ(window.SortOrder(), kByName);
  EXPECT_EQ(Column(dataSet, "NAME"), (std::vector<std::string>{"ann", "bob"}));
  ClickTitle(window, 3);
  EXPECT_EQ(window.SortOrder(), kByDate);
  // Without the current-file filter there is a File column, whose title does nothing.
  Child<QCheckBox>(window, "CheckBox1")->click();
  ASSERT_EQ(dataSet.columnCount(), 8);
  EXPECT_EQ(dataSet.headerData(7, Qt::Horizontal).toString(), "File");
  ClickTitle(window, 7);
  EXPECT_EQ(window.SortOrder(), kByDate);
}

TEST_F(ScoreWindow, WithoutTheFileFilterEveryListsTestsAreListed) {
  TakeTest("ann", {"house", "mouse", "tree"});
  windowHost.currentDir = "ann.orv\\";
  windowHost.currentFile = "Sums.orv";
  WriteList("ann.orv/Sums.orv", "cat\n");
  TakeTest("ann", {"cat"});
  LogIn("ann");
  TSF2 window(*database, dataSet, windowHost, dialogs);
  window.show();
  EXPECT_EQ(Column(dataSet, "NAME").size(), 1u);
  Child<QCheckBox>(window, "CheckBox1")->click();
  std::vector<std::string> files = Column(dataSet, "FILE1");
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"WORDS0.SCO", "ann.orv\\SUMS.SCO"}));
}

TEST_F(ScoreWindow, ALearnerMayNotOpenSomeoneElsesTest) {
  TakeTest("bob", {"hose", "house", "mouse", "tree"});
  LogIn("ann");
  TSF2 window(*database, dataSet, windowHost, dialogs);
  window.show();
  DoubleClickAt(*Child<TDBGrid>(window, "DBGrid1")->viewport(), CellCentre(window, 0, 1));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Warning);
  EXPECT_EQ(dialogs.messages[0].text,
            "Access denied.\nYou were't going to look at someone else's mistakes and then tease "
            "then were you!!!");
  EXPECT_FALSE(window.WordsView());
  EXPECT_TRUE(Child<QCheckBox>(window, "CheckBox1")->isVisible());
  // Someone at lookOtherUsersPasLev may.
  LogIn("teacher");
  DoubleClickAt(*Child<TDBGrid>(window, "DBGrid1")->viewport(), CellCentre(window, 0, 1));
  EXPECT_TRUE(window.WordsView());
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(ScoreWindow, ANameInAnotherLetterCaseIsTheUsersOwn) {
  TakeTest("ANN", {"hose", "house", "mouse", "tree"});
  LogIn("ann");
  TSF2 window(*database, dataSet, windowHost, dialogs);
  window.show();
  DoubleClickAt(*Child<TDBGrid>(window, "DBGrid1")->viewport(), CellCentre(window, 0, 0));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(window.WordsView());
}

TEST_F(ScoreWindow, TheWordsOfOneTestAndTheirFilters) {
  TakeTest("ann", {"house", "mouse", "tree"});
  const std::int32_t group = TakeTest("ann", {"hose", "house", "mose", "mouse", "tree"});
  LogIn("ann");
  TSF2 window(*database, dataSet, windowHost, dialogs);
  window.show();
  // The second row is the test with mistakes; the pop-up menu's "open" opens it.
  ASSERT_EQ(dataSet.Value(1, "LOG_GROUP").toInt(), group);
  Child<TDBGrid>(window, "DBGrid1")->GoToRow(1);
  Child<QAction>(window, "open1")->trigger();
  ASSERT_TRUE(window.WordsView());
  EXPECT_EQ(window.ShownGroup(), group);
  EXPECT_FALSE(Child<QCheckBox>(window, "CheckBox1")->isVisible());
  EXPECT_TRUE(Child<QCheckBox>(window, "WrongAnswers")->isVisible());
  ASSERT_EQ(dataSet.columnCount(), 4);
  EXPECT_EQ(dataSet.headerData(3, Qt::Horizontal).toString(), "Help");
  for (int i = 0; i < 4; ++i) EXPECT_LE(Child<TDBGrid>(window, "DBGrid1")->columnWidth(i), 180);
  EXPECT_EQ(dataSet.RowCount(), 5);  // two wrong, three right

  Child<QCheckBox>(window, "RightAnswers")->click();
  EXPECT_EQ(Column(dataSet, "ANSWER"), (std::vector<std::string>{"hose", "mose"}));
  // Unchecking the other box too checks this one again: right answers only.
  Child<QCheckBox>(window, "WrongAnswers")->click();
  EXPECT_TRUE(Child<QCheckBox>(window, "RightAnswers")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(window, "WrongAnswers")->isChecked());
  EXPECT_EQ(Column(dataSet, "WORD"), (std::vector<std::string>{"house", "mouse", "tree"}));
  Child<QCheckBox>(window, "RightAnswers")->click();
  EXPECT_TRUE(Child<QCheckBox>(window, "WrongAnswers")->isChecked());
  EXPECT_EQ(dataSet.RowCount(), 2);

  // Double clicks and the pop-up menu do nothing in the words view.
  DoubleClickAt(*Child<TDBGrid>(window, "DBGrid1")->viewport(), CellCentre(window, 0, 0));
  EXPECT_EQ(dataSet.RowCount(), 2);
  // Esc goes back to the scores with the same order; a second Esc closes.
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.WordsView());
  EXPECT_TRUE(Child<QCheckBox>(window, "CheckBox1")->isVisible());
  EXPECT_FALSE(Child<QCheckBox>(window, "RightAnswers")->isVisible());
  EXPECT_EQ(Groups().size(), 2u);
  EXPECT_EQ(window.SortOrder(), kByPercent);
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(ScoreWindow, AUserWithAQuoteInTheNameSeesTheOwnTests) {
  TakeTest("O'Neil", {"hose", "house", "mouse", "tree"});
  TakeTest("ann", {"house", "mouse", "tree"});
  LogIn("O'Neil");
  TSF2 window(*database, dataSet, windowHost, dialogs);
  window.show();
  Child<QCheckBox>(window, "CurentUserOnly")->click();
  EXPECT_EQ(Column(dataSet, "NAME"), (std::vector<std::string>{"O'Neil"}));
  Child<QCheckBox>(window, "CheckBox1")->click();
  EXPECT_EQ(Column(dataSet, "NAME"), (std::vector<std::string>{"O'Neil"}));
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace orv::test
