// orvc report: the score table, the log, the class overview and the kinds of
// mistake for scripts, as CSV or as a table to read.
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/getuser.h"
#include "app/programpaths.h"
#include "base/dialogs.h"
#include "base/strings.h"
#include "exchange/tabletext.h"
#include "files/dos.h"
#include "orvc/command.h"
#include "orvc/configureddb.h"
#include "orvc/programdirectory.h"
#include "progress/classoverview.h"
#include "progress/mistaketally.h"
#include "progress/overviewtests.h"
#include "progress/progressdata.h"
#include "progress/progresstables.h"
#include "progress/reviewcounts.h"
#include "progress/tablemodel.h"
#include "scores/dataset.h"
#include "scores/scoredatabase.h"
#include "session/reviewschedule.h"
#include "users/password.h"

namespace orv::orvc {
namespace {

constexpr const char* kUsage =
    "orvc report scores|log|class|mistakes [--user NAME] [--from DD/MM/YYYY] [--to DD/MM/YYYY] "
    "[--csv]";

struct ReportOptions {
  std::string table;
  std::string user;
  DateRange range;
  bool csv = false;
  // The class overview's users, for a row each of those without tests.
  std::vector<std::string> users;
};

CalendarDay Day(const std::string& option, const std::string& text) {
  const auto day = ParseDayText(text);
  if (!day) throw CommandError{option + " takes a day as DD/MM/YYYY, not \"" + text + "\""};
  return *day;
}

ReportOptions Parse(const Invocation& inv) {
  ReportOptions o;
  const auto& a = inv.args;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto value = [&]() -> const std::string& {
      if (i + 1 >= a.size()) throw CommandError{a[i] + " needs a value; usage: " + kUsage};
      return a[++i];
    };
    if (a[i] == "--csv") {
      o.csv = true;
    } else if (a[i] == "--user") {
      o.user = value();
    } else if (a[i] == "--from") {
      o.range.from = Day(a[i], value());
    } else if (a[i] == "--to") {
      o.range.to = Day(a[i], value());
    } else if (o.table.empty() && !a[i].starts_with("--")) {
      o.table = a[i];
    } else {
      throw CommandError{"unexpected \"" + a[i] + "\"; usage: " + kUsage};
    }
  }
  if (o.table != "scores" && o.table != "log" && o.table != "class" && o.table != "mistakes") {
    throw CommandError{std::string("usage: ") + kUsage};
  }
  return o;
}

std::unique_ptr<QAbstractItemModel> Report(const ScoreDatabase& database, const ReportOptions& o) {
  const QSqlDatabase db = database.Database();
  if (o.table == "mistakes") {
    auto model = std::make_unique<TableModel>();
    model->SetTable(MistakesTable(
        TallyMistakes(ReadWrongAnswers(db, o.user, o.range, database.HasCountTables()))));
    return model;
  }
  if (o.table == "class") {
    auto model = std::make_unique<TableModel>();
    model->SetTable(OverviewTable(ClassOverview(ReadOverviewTests(db, o.user, o.range), o.users,
                                                ReadReviewCounts(db, ReviewToday()))));
    model->ShowSign(kTrendColumn);
    return model;
  }
  auto data = std::make_unique<DataSet>();
  if (o.table == "scores") {
    data->Open(db,
               "select name, percent1, ratio, date1, time1, max_help, help_total, log_group, "
               "file1 from score_tab" +
                   LearnerAndDaysWhere(o.user, "sort_date", o.range) +
                   " order by sort_date, time1, log_group");
    data->SetColumns({{"NAME", "Name"},
                      {"PERCENT1", "Percent"},
                      {"RATIO", "Ratio"},
                      {"DATE1", "Date"},
                      {"TIME1", "Time"},
                      {"MAX_HELP", "Max help"},
                      {"HELP_TOTAL", "Help total"},
                      {"LOG_GROUP", "Test"},
                      {"FILE1", "File"}});
  } else {
    data->Open(db,
               "select name, date1, time1, file1, word, log_group, help_count, answer from log" +
                   LearnerAndDaysWhere(o.user, "dmy_date(date1)", o.range) +
                   " order by dmy_date(date1), time1, log_group");
    data->SetColumns({{"NAME", "Name"},
                      {"DATE1", "Date"},
                      {"TIME1", "Time"},
                      {"FILE1", "File"},
                      {"WORD", "Word"},
                      {"LOG_GROUP", "Test"},
                      {"HELP_COUNT", "Help"},
                      {"ANSWER", "Answer"}});
  }
  // A report holds every row.
  data->FetchAll();
  return data;
}

// The users of the password file (the one named, if any) that the class
// overview shows; none when the program directory has no password file.
std::vector<std::string> ClassUsers(const ProgramPaths& paths, const std::string& only,
                                    Dialogs& dialogs) {
  const std::string fileName = ConfiguredPasswordFileName(paths);
  if (!FileFound(PasswordFilePath(paths.programDir, fileName))) return {};
  std::vector<std::string> users = PasswordO(paths.programDir, fileName, dialogs).UserNames();
  if (!only.empty()) {
    std::erase_if(users, [&](const std::string& name) { return Upper(name) != Upper(only); });
  }
  return users;
}

int Run(const Invocation& inv) {
  ReportOptions options = Parse(inv);
  const ProgramPaths& paths = PathsOf(inv);
  WithConfiguredDatabase(inv, [&](ScoreDatabase& database, Dialogs& dialogs) {
    if (options.table == "class") options.users = ClassUsers(paths, options.user, dialogs);
    const auto model = Report(database, options);
    *inv.out << (options.csv ? CsvText(*model) : ReadableTable(*model));
  });
  return 0;
}

}  // namespace

ORVC_COMMAND("report", kUsage,
             "print the score table, the log, the class overview (tests, latest, best and "
             "trend per learner and list, the learner's review items due and learned) or the wrong "
             "answers by kind of mistake with the "
             "most frequent of each, as CSV with --csv",
             Run);

}  // namespace orv::orvc
