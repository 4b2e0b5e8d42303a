// The progress window and the class overview over tests that real sessions
// took: what each user may see, the charts' lines and bars as drawn by Qt
// Charts, sorting, the double click, and the grids saved as CSV and printed
// to PDF.
#include <sys/stat.h>
#include <QAreaSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QFile>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <map>

#include "app/openprogress_window.h"
#include "exchange/gridexport_window.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "progress/classoverview_window.h"
#include "progress/csv_reader.h"
#include "progress/daterange_window.h"
#include "progress/progress_window.h"
#include "progress/progresstables.h"
#include "scores/programwindow_fixture.h"
#include "scores/score_window.h"
#include "support/children.h"

namespace orv::test {
namespace {

class ProgressWindow : public ProgramWindowTest {
 protected:
  void SetUp() override {
    ProgramWindowTest::SetUp();
    progress = std::make_unique<TProgressForm>(*database, dialogs);
    WriteList("words0.orv", "house\nmouse\ntree\n");
    settings.lookOtherUsersPasLev = 200;
    // ann: 100% four days ago, then 66% with "mouse" wrong; bob: 33% once.
    MoveTest(TakeTest("ann", {"house", "mouse", "tree"}), 4);
    TakeTest("ann", {"house", "mose", "mouse", "tree"});
    TakeTest("bob", {"hose", "house", "mose", "mouse", "tree"});
  }
  void MoveTest(std::int32_t group, int daysBack) {
    const QDate day = QDate::currentDate().addDays(-daysBack);
    for (const char* table : {"score", "log"}) {
      Exec(host.path, std::string("update ") + table + " set date1 = '" +
                          DateText(day.year(), day.month(), day.day()) +
                          "' where log_group = " + std::to_string(group));
    }
    Exec(host.path, "update review_move set day1 = '" + day.toString(Qt::ISODate).toStdString() +
                        "' where log_group = " + std::to_string(group));
  }
  // Each line's (or stacked area's top edge's) name and values, left to right.
  static std::map<std::string, std::vector<int>> Lines(QChartView& view) {
    std::map<std::string, std::vector<int>> lines;
    for (QAbstractSeries* s : view.chart()->series()) {
      auto* area = qobject_cast<QAreaSeries*>(s);
      auto* line = area != nullptr ? area->upperSeries() : qobject_cast<QLineSeries*>(s);
      if (line == nullptr) continue;
      auto& values = lines[s->name().toStdString()];
      for (const QPointF& p : line->points()) values.push_back(static_cast<int>(p.y()));
    }
    return lines;
  }

  void TearDown() override {
    progress.reset();
    ProgramWindowTest::TearDown();
  }

  // Made once the database is there.
  std::unique_ptr<TProgressForm> progress;
  InstantClock today{QDateTime::currentSecsSinceEpoch()};  // the review's today
  ScopedClock useToday{today};
};

TEST_F(ProgressWindow, ALearnerSeesOnlyTheirOwnTestsOneLinePerList) {
  LogIn("ann");
  WhileOpen(
      *progress, [&] { OpenProgress(*progress, dialogs, State()); },
      [&] {
        ASSERT_EQ(Child<QComboBox>(*progress, "LearnerList")->count(), 1);
        EXPECT_EQ(progress->Learner(), "ann");
        EXPECT_FALSE(Child<QComboBox>(*progress, "LearnerList")->isEnabled());
        EXPECT_EQ(Lines(*Child<QChartView>(*progress, "PercentChart")),
                  (std::map<std::string, std::vector<int>>{{"WORDS0", {100, 66}}}));
        auto* bars = qobject_cast<QHorizontalBarSeries*>(
            Child<QChartView>(*progress, "WordsChart")->chart()->series().at(0));
        ASSERT_NE(bars, nullptr);
        EXPECT_EQ(bars->barSets().at(0)->count(), 1);
        EXPECT_EQ(bars->barSets().at(0)->at(0), 1);
        EXPECT_EQ(Child<QTableView>(*progress, "TestsGrid")->model()->rowCount(), 2);
        const QAbstractItemModel& kinds = *Child<QTableView>(*progress, "MistakesGrid")->model();
        EXPECT_EQ(kinds.index(0, 0).data().toString(), "missed letter");
        EXPECT_EQ(kinds.index(0, 2).data().toString(), "\"mose\" for \"mouse\"");
        Child<QTabWidget>(*progress, "Tabs")
            ->setCurrentWidget(Child<QChartView>(*progress, "BoxesChart"));
        SaveScreenshot(*progress, "progress-boxes");
        // The first day left out leaves the newer test alone.
        Child<QCheckBox>(*progress, "FromOn")->setChecked(true);
        Child<QDateEdit>(*progress, "FromDate")->setDate(QDate::currentDate().addDays(-1));
        progress->Refresh();
        EXPECT_EQ(Lines(*Child<QChartView>(*progress, "PercentChart")),
                  (std::map<std::string, std::vector<int>>{{"WORDS0", {66}}}));
        // The older test, before the range, put the three words in box 2; today
        // house and tree went up to box 3 and mouse, missed, fell back to box 1.
        EXPECT_EQ(
            Lines(*Child<QChartView>(*progress, "BoxesChart")),
            (std::map<std::string, std::vector<int>>{
                {"Box 1", {1}}, {"Box 2", {1}}, {"Box 3", {3}}, {"Box 4", {3}}, {"learned", {3}}}));
        Child<QDateEdit>(*progress, "FromDate")->setDate(QDate::currentDate().addDays(1));
        progress->Refresh();
        EXPECT_EQ(Child<QChartView>(*progress, "BoxesChart")->chart()->title(),
                  "No review moves in these days");
      });
}

TEST_F(ProgressWindow, ATeacherChoosesAnyLearnerAndOnlyTeachersSeeTheOverview) {
  TClassOverviewForm overview(*database, *progress, dialogs);
  LogIn("ann");
  OpenClassOverview(overview, dialogs, State());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, kLookAtOthersDenied);
  EXPECT_EQ(overview.Model().rowCount(), 0);

  LogIn("teacher");
  WhileOpen(
      *progress, [&] { OpenProgress(*progress, dialogs, State()); },
      [&] {
        EXPECT_TRUE(Child<QComboBox>(*progress, "LearnerList")->isEnabled());
        std::vector<std::string> names;
        for (int i = 0; i < Child<QComboBox>(*progress, "LearnerList")->count(); ++i) {
          names.push_back(Child<QComboBox>(*progress, "LearnerList")->itemText(i).toStdString());
        }
        EXPECT_EQ(names, (std::vector<std::string>{"ann", "bob", "teacher"}));
        EXPECT_EQ(progress->Learner(), "teacher");
        Child<QComboBox>(*progress, "LearnerList")->setCurrentIndex(1);
        progress->Refresh();
        EXPECT_EQ(Lines(*Child<QChartView>(*progress, "PercentChart")),
                  (std::map<std::string, std::vector<int>>{{"WORDS0", {33}}}));
      });
}

TEST_F(ProgressWindow, TheOverviewSortsByATitleAndADoubleClickOpensThatLearner) {
  TClassOverviewForm overview(*database, *progress, dialogs);
  LogIn("teacher");
  std::string opened;
  QDate openedFrom;
  WhileOpen(
      overview, [&] { OpenClassOverview(overview, dialogs, State()); },
      [&] {
        // The learner opens over the overview's days.
        Child<QCheckBox>(overview, "FromOn")->setChecked(true);
        Child<QDateEdit>(overview, "FromDate")->setDate(QDate(2000, 1, 2));
        auto cell = [&](int row, int column) {
          return overview.Model()
              .data(overview.Model().index(row, column))
              .toString()
              .toStdString();
        };
        // Every user of the password file: those with no tests yet too,
        // with nothing to show but their name and no tests.
        std::vector<std::string> rows;
        for (int row = 0; row < overview.Model().rowCount(); ++row) {
          rows.push_back(cell(row, 0) + ":" + cell(row, 2) + ":" + cell(row, 3) + ":" +
                         cell(row, 4));
        }
        EXPECT_EQ(rows, (std::vector<std::string>{"Boss:0::", "O'Neil:0::", "ann:2:66:100",
                                                  "bob:1:33:33", "j.smith:0::", "teacher:0::"}));
        EXPECT_EQ(cell(2, kTrendColumn), "-34");
        QTableView* grid = Child<QTableView>(overview, "Grid");
        grid->horizontalHeader()->setSortIndicator(3, Qt::DescendingOrder);
        EXPECT_EQ(cell(0, 0) + " " + cell(1, 0), "ann bob");
        WindowDriver opening;
        opening.Then("TProgressForm", "reads the learner, closes", [&](QWidget&) {
          opened = progress->Learner();
          if (Child<QCheckBox>(*progress, "FromOn")->isChecked()) {
            openedFrom = Child<QDateEdit>(*progress, "FromDate")->date();
          }
          progress->reject();
        });
        DoubleClick(*grid, overview.Model().index(0, 1));
        SaveScreenshot(overview, "class-overview");
      });
  EXPECT_EQ(opened, "ann");
  EXPECT_EQ(openedFrom, QDate(2000, 1, 2));
}

// The test day goes to the selected learners only, or to every learner
// shown when none is selected; the lists to choose from are the class's.
TEST_F(ProgressWindow, ATeacherSetsAndClearsATestDayForTheLearnersChosen) {
  using Row = std::vector<std::string>;
  TClassOverviewForm overview(*database, *progress, dialogs);
  LogIn("teacher");
  const QDate day = QDate::currentDate().addDays(9);
  const std::string dayText = day.toString(Qt::ISODate).toStdString();
  auto days = [&] {
    return Rows(host.path, "select name, file1, test_day from review_test_day order by name");
  };
  WhileOpen(
      overview, [&] { OpenClassOverview(overview, dialogs, State()); },
      [&] {
        QTableView* grid = Child<QTableView>(overview, "Grid");
        QComboBox* list = Child<QComboBox>(overview, "TestDayList");
        QPushButton* set = Child<QPushButton>(overview, "SetTestDay");
        QPushButton* clear = Child<QPushButton>(overview, "ClearTestDay");
        ASSERT_EQ(list->count(), 1);
        EXPECT_EQ(list->itemText(0), "WORDS0");
        Child<QDateEdit>(overview, "TestDayDate")->setDate(day);
        grid->selectRow(3);  // bob
        set->click();
        EXPECT_EQ(days(), (std::vector<Row>{{"bob", "WORDS0", dayText}}));
        grid->selectRow(2);  // ann
        SaveScreenshot(overview, "class-overview-test-day");
        clear->click();
        EXPECT_EQ(days(), (std::vector<Row>{{"bob", "WORDS0", dayText}}));
        grid->clearSelection();
        list->setCurrentText("spell\\words1.orv");
        set->click();
        EXPECT_EQ(days().size(), 7u);
        EXPECT_EQ(days()[0], (Row{"Boss", "spell\\WORDS1", dayText}));
        clear->click();
        EXPECT_EQ(days(), (std::vector<Row>{{"bob", "WORDS0", dayText}}));
      });
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
}

TEST_F(ProgressWindow, GridsAreSavedAsCsvAndPrintedToPdf) {
  LogIn("ann");
  TSF2 scores(*database, dataSet, windowHost, dialogs);
  WindowDriver driver;
  driver.Then("TSF2", "saves the scores and prints them", [&](QWidget&) {
    const QString csv = QString::fromStdString(dir.Str() + "scores.csv");
    EXPECT_TRUE(Child<TGridExport>(scores, "Export")->SaveCsv(csv));
    const Records records = ReadCsv(dir.Read("scores.csv"));
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0], (std::vector<std::string>{"NAME", "Percent", "Ratio", "Date", "Time",
                                                    "Max help", "Help total"}));
    EXPECT_EQ(records[1][2], "3/3");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.Str() + "scores.pdf"));
    Child<TGridExport>(scores, "Export")->Print(printer);
    scores.reject();
  });
  scores.exec();
  EXPECT_EQ(dir.Read("scores.pdf").substr(0, 5), "%PDF-");
  EXPECT_FALSE(Child<TGridExport>(scores, "Export")
                   ->SaveCsv(QString::fromStdString(dir.Str() + "no/such/dir/a.csv")));
  EXPECT_EQ(dialogs.messages.back().kind, MsgKind::Error);
  // "Access denied" alone would not say what is wrong with the name chosen.
  const std::string locked = dir.Write("locked.csv", "kept\n");
  ::chmod(locked.c_str(), 0444);
  const std::pair<std::string, std::string> refused[] = {
      {dir.Str() + "orv.orv", "it is a folder, not a file"},
      {locked, "the file is write-protected"}};
  for (const auto& [path, cause] : refused) {
    EXPECT_FALSE(Child<TGridExport>(scores, "Export")->SaveCsv(QString::fromStdString(path)));
    EXPECT_EQ(dialogs.messages.back().text,
              "Could not write " + path + ": " + ErrorText(5) + " (" + cause + ")");
  }
}

TEST_F(ProgressWindow, ATeachersDoubleClickOpensOnTheLearnerAsked) {
  // Older tests of ann's on two lists, so the window shows lines over days.
  MoveTest(TakeTest("ann", {"huose", "house", "mose", "mouse", "tree"}), 12);
  MoveTest(TakeTest("ann", {"house", "mose", "mouse", "tree"}), 8);
  windowHost.currentFile = "sums.orv";
  WriteList("sums.orv", "cat\ndog\n");
  MoveTest(TakeTest("ann", {"cta", "cat", "dgo", "dog"}), 10);
  MoveTest(TakeTest("ann", {"cat", "dgo", "dog"}), 5);
  MoveTest(TakeTest("ann", {"cat", "dog"}), 2);
  LogIn("teacher");
  const ProgressViewer teacher{"teacher", true};
  WhileOpen(
      *progress,
      [&] {
        progress->ShowFor(teacher, "ann");
        progress->exec();
      },
      [&] {
        EXPECT_EQ(progress->Learner(), "ann");
        EXPECT_EQ(progress->windowTitle().toStdString(), "Progress of ann");
        EXPECT_EQ(Lines(*Child<QChartView>(*progress, "PercentChart")),
                  (std::map<std::string, std::vector<int>>{{"SUMS", {0, 50, 100}},
                                                           {"WORDS0", {33, 66, 100, 66}}}));
        SaveScreenshot(*progress, "progress-window");
      });
  // A learner not in the score table falls back to the viewer's own.
  progress->ShowFor(teacher, "nobody");
  EXPECT_EQ(progress->Learner(), "teacher");
}

}  // namespace
}  // namespace orv::test
