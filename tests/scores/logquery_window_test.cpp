// The log window over answers that real tests logged: the first show, the
// answer boxes, the date range, counting, the statement text, hand-typed
// statements and who may look at whom.
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <string>

#include "dbwindow_fixture.h"
#include "exchange/gridexport_window.h"
#include "files/dos.h"
#include "scores/datagrid_window.h"
#include "scores/firebird/readonlyselect.h"
#include "scores/logquery.h"
#include "scores/logquery_window.h"
#include "support/children.h"
#include "support/test_users.h"
#include "widgets/datepicker_window.h"

namespace orv::test {
namespace {

std::string DayText(const QDate& d) {
  return DateText(d.year(), d.month(), d.day());
}

class LogWindow : public DbWindowTest {
 protected:
  void SetUp() override {
    DbWindowTest::SetUp();
    WriteList("words0.orv", "house\nmouse\ntree\n");
  }
};

TEST_F(LogWindow, FirstShowListsOwnWrongAnswersOfTheLastSevenDaysOnTheLastRow) {
  // ann misses house twice and tree once; bob misses mouse.
  TakeTest("ann", {"hose", "huose", "house", "mouse", "tre", "tree"});
  TakeTest("bob", {"house", "mose", "mouse", "tree"});
  const QDate today = QDate::currentDate();
  LogRow("ann", DayText(today.addDays(-7)), "seven", "sevn");
  LogRow("ann", DayText(today.addDays(-8)), "eight", "eigt");
  LogRow("ann", DayText(today.addDays(1)), "tomorrow", "tomorow");
  LogIn("ann");
  TSU window(*database, dataSet, windowHost, dialogs);
  Open(window, windowHost.levels.lookAtOthers, [&] {
    EXPECT_EQ(Child<QLabel>(window, "RowCount")->text(), "4");
    ASSERT_EQ(dataSet.RowCount(), 4);
    EXPECT_EQ(Child<TDBGrid>(window, "DBGrid1")->CurrentRow(), 3);
    auto words = Column(dataSet, "WORD");
    std::sort(words.begin(), words.end());
    EXPECT_EQ(words, (std::vector<std::string>{"house", "house", "seven", "tree"}));
    for (const std::string& name : Column(dataSet, "NAME")) EXPECT_EQ(name, "ann");
    EXPECT_EQ(Column(dataSet, "ANSWER").size(), 4u);
    for (const std::string& answer : Column(dataSet, "ANSWER")) EXPECT_FALSE(answer.empty());
    // A learner sees only the own answers and cannot type a statement.
    EXPECT_TRUE(Child<QRadioButton>(window, "ShowCurrentUser")->isChecked());
    EXPECT_FALSE(Child<QRadioButton>(window, "PickFromList")->isEnabled());
    EXPECT_FALSE(Child<QRadioButton>(window, "ShowAllUser")->isEnabled());
    EXPECT_TRUE(Child<QPlainTextEdit>(window, "SQL")->isReadOnly());
    EXPECT_EQ(Child<TDateTimePicker>(window, "FromDate")->Date(), today.addDays(-7));
    EXPECT_EQ(Child<TDateTimePicker>(window, "ToDate")->Date(), today);
    EXPECT_EQ(Child<QLabel>(window, "DBName")->text().toStdString(), "Database name:" + host.path);
    // The row-by-row layout: its columns, titles and widths (a grid column
    // grows past its width only to show its title or a short value whole).
    const std::vector<std::pair<std::string, int>> expected = {
        {"NAME", 100}, {"WORD", 150}, {"ANSWER", 150}, {"Time", 55},
        {"Date", 70},  {"File", 175}, {"Help", 30}};
    ASSERT_EQ(dataSet.columnCount(), 7);
    for (int i = 0; i < 7; ++i) {
      EXPECT_EQ(dataSet.headerData(i, Qt::Horizontal).toString().toStdString(),
                expected[static_cast<std::size_t>(i)].first);
      EXPECT_EQ(dataSet.Columns()[static_cast<std::size_t>(i)].width,
                expected[static_cast<std::size_t>(i)].second);
      EXPECT_GE(Child<TDBGrid>(window, "DBGrid1")->columnWidth(i),
                expected[static_cast<std::size_t>(i)].second);
    }
  });
}

TEST_F(LogWindow, AnswerBoxesChooseWrongRightBothOrNothing) {
  TakeTest("ann", {"hose", "house", "mouse", "tree"});  // one wrong, three right
  LogIn("ann");
  TSU window(*database, dataSet, windowHost, dialogs);
  window.show();
  EXPECT_EQ(dataSet.RowCount(), 1);
  Child<QCheckBox>(window, "ShowRightWords")->click();
  Child<QPushButton>(window, "updateBtn")->click();
  EXPECT_EQ(dataSet.RowCount(), 4);
  Child<QCheckBox>(window, "ShowWrongWords")->click();
  Child<QPushButton>(window, "updateBtn")->click();
  EXPECT_EQ(Column(dataSet, "WORD"), (std::vector<std::string>{"house", "mouse", "tree"}));
  Child<QCheckBox>(window, "ShowRightWords")->click();
  Child<QPushButton>(window, "updateBtn")->click();
  EXPECT_EQ(dataSet.RowCount(), 0);
  EXPECT_EQ(Child<QLabel>(window, "RowCount")->text(), "0");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LogWindow, BothEndsOfTheDateRangeAreIncluded) {
  LogRow("ann", "28/02/2004", "before", "x");
  LogRow("ann", "29/02/2004", "first", "x");
  LogRow("ann", "04/03/2004", "middle", "x");
  LogRow("ann", "08/03/2004", "last", "x");
  LogRow("ann", "09/03/2004", "after", "x");
  LogRow("ann", "01/01/2005", "next year", "x");
  LogIn("ann");
  TSU window(*database, dataSet, windowHost, dialogs);
  window.show();
  Child<TDateTimePicker>(window, "FromDate")->SetDate(QDate(2004, 2, 29));
  Child<TDateTimePicker>(window, "ToDate")->SetDate(QDate(2004, 3, 8));
  Child<QPushButton>(window, "updateBtn")->click();
  auto words = Column(dataSet, "WORD");
  std::sort(words.begin(), words.end());
  EXPECT_EQ(words, (std::vector<std::string>{"first", "last", "middle"}));
  // Without a start date neither bound counts, whatever the end date says.
  Child<TDateTimePicker>(window, "FromDate")->CheckBox()->click();
  EXPECT_FALSE(Child<TDateTimePicker>(window, "ToDate")->isEnabled());
  Child<QPushButton>(window, "updateBtn")->click();
  EXPECT_EQ(dataSet.RowCount(), 6);
  // The end date alone is off: everything from the start date on.
  Child<TDateTimePicker>(window, "FromDate")->CheckBox()->click();
  EXPECT_TRUE(Child<TDateTimePicker>(window, "ToDate")->isEnabled());
  Child<TDateTimePicker>(window, "ToDate")->CheckBox()->click();
  Child<QPushButton>(window, "updateBtn")->click();
  EXPECT_EQ(dataSet.RowCount(), 5);
}

// A form longer than one fetch shows its first rows and says more remain;
// scrolling to the end fetches the next block, Ctrl+End the rest, and the
// export holds every row once.
TEST_F(LogWindow, ALongFormShowsItsFirstRowsAndExportsEveryRow) {
  const int rows = 2 * static_cast<int>(kFetchBlock) + 10;
  Exec(host.path,
       "insert into log (name, date1, time1, file1, word, log_group, help_count, "
       "answer) with recursive n (i) as (select 0 from rdb$database union all select "
       "i + 1 from n where i < " +
           std::to_string(rows - 1) + ") select 'ann', '" + DayText(QDate::currentDate()) +
           "', '12:00:00', 'WORDS0', 'w' || i, 0, 0, 'x' from n");
  LogIn("ann");
  TSU window(*database, dataSet, windowHost, dialogs);
  const std::string csv = dir.Str() + "log.csv";
  Open(window, windowHost.levels.lookAtOthers, [&] {
    EXPECT_EQ(dataSet.RowCount(), static_cast<int>(kFetchBlock));
    EXPECT_EQ(Child<QLabel>(window, "RowCount")->text().toStdString(),
              std::to_string(kFetchBlock) + "+");
    EXPECT_EQ(Child<TDBGrid>(window, "DBGrid1")->CurrentRow(), 0);
    SaveScreenshot(window, "log-first-block");
    QScrollBar* scroll = Child<TDBGrid>(window, "DBGrid1")->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    EXPECT_EQ(Child<QLabel>(window, "RowCount")->text().toStdString(),
              std::to_string(2 * kFetchBlock) + "+");
    QTest::keyClick(Child<TDBGrid>(window, "DBGrid1"), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Child<TDBGrid>(window, "DBGrid1")->CurrentRow(), rows - 1);
    EXPECT_EQ(Child<QLabel>(window, "RowCount")->text().toStdString(), std::to_string(rows));
    ASSERT_TRUE(Child<TGridExport>(window, "Export")->SaveCsv(QString::fromStdString(csv)));
  });
  const std::string text = dir.Read("log.csv");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), rows + 1);
  for (int i = 0; i < rows; ++i) {
    const std::string word = ",w" + std::to_string(i) + ",";
    const std::size_t at = text.find(word);
    EXPECT_TRUE(at != std::string::npos && text.find(word, at + 1) == std::string::npos) << word;
  }
}

TEST_F(LogWindow, CountGivesEachWordWithItsCountMostFrequentFirst) {
  TakeTest("ann", {"hose", "huose", "hous", "house", "mose", "mouse", "tree"});
  TakeTest("ann", {"house", "mouse", "tre", "tree"});
  TakeTest("ann", {"house", "moose", "mouse", "tree"});
  LogIn("ann");
  TSU window(*database, dataSet, windowHost, dialogs);
  window.show();
  Child<QCheckBox>(window, "Count1")->click();
  Child<QPushButton>(window, "updateBtn")->click();
  ASSERT_EQ(dataSet.columnCount(), 2);
  ASSERT_EQ(dataSet.RowCount(), 3);
  EXPECT_EQ(dataSet.Text(0, 0), "house");
  EXPECT_EQ(dataSet.Text(0, 1), "3");
  EXPECT_EQ(dataSet.Text(1, 0), "mouse");
  EXPECT_EQ(dataSet.Text(1, 1), "2");
  EXPECT_EQ(dataSet.Text(2, 0), "tree");
  EXPECT_EQ(dataSet.Text(2, 1), "1");
  for (int i = 0; i < 2; ++i) EXPECT_LE(Child<TDBGrid>(window, "DBGrid1")->columnWidth(i), 150);
}

TEST_F(LogWindow, ControlsBuildTheStatementText) {
  LogIn("ann");
  TSU window(*database, dataSet, windowHost, dialogs);
  window.show();
  Child<QCheckBox>(window, "Count1")->click();
  Child<TDateTimePicker>(window, "FromDate")->SetDate(QDate(2004, 3, 1));
  Child<TDateTimePicker>(window, "ToDate")->SetDate(QDate(2004, 3, 8));
  LogQueryControls shown;
  shown.count = true;
  shown.user = "ann";
  shown.from = CalendarDay{2004, 3, 1};
  shown.to = CalendarDay{2004, 3, 8};
  EXPECT_EQ(Sql(window), CreateLogSql(shown));
  // Counting is only rebuilt into the text while the window is up.
  window.hide();
  Child<QCheckBox>(window, "Count1")->click();
  EXPECT_NE(Sql(window).find("group by"), std::string::npos);
}

TEST_F(LogWindow, ATeacherPicksAnotherUserWhoseNameHasAQuote) {
  TakeTest("O'Neil", {"hose", "house", "mouse", "tree"});
  TakeTest("bob", {"huose", "house", "mouse", "tree"});
  LogIn("teacher");
  TSU window(*database, dataSet, windowHost, dialogs);
  Open(window, windowHost.levels.lookAtOthers, [&] {
    EXPECT_TRUE(Child<QRadioButton>(window, "PickFromList")->isEnabled());
    EXPECT_FALSE(Child<QPlainTextEdit>(window, "SQL")->isReadOnly());
    std::vector<std::string> users;
    for (int i = 0; i < Child<QComboBox>(window, "UserList")->count(); ++i) {
      users.push_back(Child<QComboBox>(window, "UserList")->itemText(i).toStdString());
    }
    EXPECT_EQ(users,
              (std::vector<std::string>{"ann", "bob", "Boss", "j.smith", "O'Neil", "teacher"}));
    EXPECT_EQ(Child<QComboBox>(window, "UserList")->currentText(), "teacher");
    Child<QRadioButton>(window, "PickFromList")->click();
    EXPECT_TRUE(Child<QComboBox>(window, "UserList")->isEnabled());
    Child<QComboBox>(window, "UserList")->setCurrentText("O'Neil");
    EXPECT_NE(Sql(window).find("name = 'O''Neil'"), std::string::npos);
    Child<QPushButton>(window, "updateBtn")->click();
    EXPECT_EQ(Column(dataSet, "ANSWER"), (std::vector<std::string>{"hose"}));
    Child<QRadioButton>(window, "ShowAllUser")->click();
    EXPECT_FALSE(Child<QComboBox>(window, "UserList")->isEnabled());
    Child<QPushButton>(window, "updateBtn")->click();
    EXPECT_EQ(dataSet.RowCount(), 2);
  });
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LogWindow, AFullPasswordFileListsEveryUserToPickFrom) {
  dir.Write("KVXS1.KVX", dir.Read("KVXS1.KVX") + LearnerLines(65535 - 6, 7));
  UsePasswordFile(std::make_unique<PasswordO>(dir.Str(), "KVXS1.KVX", dialogs));
  LogIn("teacher");
  TSU window(*database, dataSet, windowHost, dialogs);
  int listed = 0;
  Open(window, windowHost.levels.lookAtOthers,
       [&] { listed = Child<QComboBox>(window, "UserList")->count(); });
  EXPECT_EQ(listed, 65535);
}

TEST_F(LogWindow, AHandTypedStatementRunsOnlyAsASelect) {
  TakeTest("bob", {"huose", "house", "mouse", "tree"});
  LogIn("teacher");
  TSU window(*database, dataSet, windowHost, dialogs);
  window.show();
  Child<QPlainTextEdit>(window, "SQL")
      ->setPlainText("select word, answer from log where name = 'bob'");
  Child<QPushButton>(window, "updateBtn")->click();
  EXPECT_EQ(dataSet.columnCount(), 2);
  EXPECT_EQ(dataSet.Text(0, 1), "huose");
  for (const char* statement : {"delete from log", "update log set answer = null", "drop table log",
                                "execute procedure GETNEXTLOGGROUPID"}) {
    SCOPED_TRACE(statement);
    dialogs.messages.clear();
    Child<QPlainTextEdit>(window, "SQL")->setPlainText(statement);
    Child<QPushButton>(window, "updateBtn")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Error);
    EXPECT_EQ(dialogs.messages[0].text, kOnlySelectText);
  }
  EXPECT_EQ(OneValue(host.path, "select count(*) from log where answer is not null"), "1");
  // A select the engine rejects is reported and the window stays usable.
  dialogs.messages.clear();
  Child<QPlainTextEdit>(window, "SQL")->setPlainText("select nothing from nowhere");
  Child<QPushButton>(window, "updateBtn")->click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].text.find("NOWHERE"), std::string::npos)
      << dialogs.messages[0].text;
  Child<QRadioButton>(window, "ShowAllUser")->click();
  Child<QPushButton>(window, "updateBtn")->click();
  EXPECT_EQ(dataSet.RowCount(), 1);
}

TEST_F(LogWindow, NobodyLoggedInGetsNoWindow) {
  passwords->Logout();
  TSU window(*database, dataSet, windowHost, dialogs);
  OpenLogWindow(window, 0, dialogs);
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"No valid user name"}));
  EXPECT_FALSE(window.isVisible());
}

TEST_F(LogWindow, DatePickersAreGreenWithBlackTextWhileChecked) {
  LogIn("ann");
  TSU window(*database, dataSet, windowHost, dialogs);
  window.show();
  auto base = [](TDateTimePicker* p) {
    const QImage image = p->DateEdit()->grab().toImage();
    return image.pixelColor(image.width() / 2, 2);
  };
  auto text = [](TDateTimePicker* p) { return p->DateEdit()->palette().color(QPalette::Text); };
  EXPECT_EQ(base(Child<TDateTimePicker>(window, "FromDate")), QColor(0, 128, 0));
  EXPECT_EQ(text(Child<TDateTimePicker>(window, "FromDate")), QColor(Qt::black));
  Child<TDateTimePicker>(window, "FromDate")->CheckBox()->click();
  EXPECT_NE(base(Child<TDateTimePicker>(window, "FromDate")), QColor(0, 128, 0));
  EXPECT_EQ(base(Child<TDateTimePicker>(window, "FromDate")),
            window.palette().color(QPalette::Base));
  EXPECT_FALSE(Child<TDateTimePicker>(window, "ToDate")->isEnabled());
  Child<TDateTimePicker>(window, "FromDate")->CheckBox()->click();
  EXPECT_EQ(base(Child<TDateTimePicker>(window, "FromDate")), QColor(0, 128, 0));
  Child<TDateTimePicker>(window, "ToDate")->CheckBox()->click();
  EXPECT_NE(base(Child<TDateTimePicker>(window, "ToDate")), QColor(0, 128, 0));
  Child<TDateTimePicker>(window, "ToDate")->CheckBox()->click();
  EXPECT_EQ(base(Child<TDateTimePicker>(window, "ToDate")), QColor(0, 128, 0));
}

TEST_F(LogWindow, ClickingACellPutsItsWholeTextInTheHint) {
  TakeTest("ann", {"a-rather-long-wrong-answer-for-the-word", "house", "mouse", "tree"});
  LogIn("ann");
  TSU window(*database, dataSet, windowHost, dialogs);
  window.show();
  ASSERT_EQ(dataSet.RowCount(), 1);
  const QModelIndex cell = dataSet.index(0, 2);
  emit Child<TDBGrid>(window, "DBGrid1")->clicked(cell);
  EXPECT_EQ(Child<TDBGrid>(window, "DBGrid1")->toolTip(),
            "a-rather-long-wrong-answer-for-the-word");
}

}  // namespace
}  // namespace orv::test
