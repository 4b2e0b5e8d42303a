// orvc review: a learner's items of the review, with box and due day, as a
// table to read or as CSV.
#include <QDate>
#include <ostream>
#include <string>

#include "base/dialogs.h"
#include "exchange/tabletext.h"
#include "files/dos.h"
#include "orvc/command.h"
#include "orvc/configureddb.h"
#include "progress/tablemodel.h"
#include "scores/reviewtable.h"
#include "scores/scoredatabase.h"
#include "session/reviewschedule.h"

namespace orv::orvc {
namespace {

constexpr const char* kUsage = "orvc review NAME [--due] [--csv]";

struct ReviewOptions {
  std::string learner;
  bool due = false;
  bool csv = false;
};

ReviewOptions Parse(const Invocation& inv) {
  ReviewOptions o;
  for (const std::string& arg : inv.args) {
    if (arg == "--due") {
      o.due = true;
    } else if (arg == "--csv") {
      o.csv = true;
    } else if (o.learner.empty() && !arg.starts_with("--")) {
      o.learner = arg;
    } else {
      throw CommandError{"unexpected \"" + arg + "\"; usage: " + kUsage};
    }
  }
  if (o.learner.empty()) throw CommandError{std::string("usage: ") + kUsage};
  return o;
}

QVariant DayText(std::int64_t day) {
  if (day == 0) return {};
  const QDate date = QDate::fromJulianDay(day);
  return QString::fromStdString(DateText(date.year(), date.month(), date.day()));
}

ResultTable ItemsTable(const std::vector<ReviewRow>& rows) {
  ResultTable table{{"List", "Item", "Box", "Due", "Last asked", "Asked", "Missed"}, {}};
  for (const ReviewRow& row : rows) {
    table.rows.push_back(
        {QString::fromStdString(row.key.file), QString::fromStdString(row.key.item), row.state.box,
         DayText(row.state.dueDay), DayText(row.state.lastDay), row.state.asked, row.state.missed});
  }
  return table;
}

int Run(const Invocation& inv) {
  const ReviewOptions options = Parse(inv);
  WithConfiguredDatabase(inv, [&](ScoreDatabase& database, Dialogs&) {
    const std::optional<std::int64_t> dueBy =
        options.due ? std::optional<std::int64_t>(ReviewToday()) : std::nullopt;
    TableModel model;
    model.SetTable(ItemsTable(ReviewRows(database.Database(), options.learner, dueBy)));
    *inv.out << (options.csv ? CsvText(model) : ReadableTable(model));
  });
  return 0;
}

}  // namespace

ORVC_COMMAND("review", kUsage,
             "print a learner's items of the review with their box and due day, most overdue "
             "first; only those due today or before with --due; as CSV with --csv",
             Run);

}  // namespace orv::orvc
