#include "progress/progresstables.h"

#include "files/dos.h"

namespace orv {
namespace {

QVariant Str(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

ResultTable TestsTable(const std::vector<TestResult>& tests) {
  ResultTable table{
      {QT_TRANSLATE_NOOP("Columns", "Date"), QT_TRANSLATE_NOOP("Columns", "Time"),
       QT_TRANSLATE_NOOP("Columns", "List"), QT_TRANSLATE_NOOP("Columns", "Percent"),
       QT_TRANSLATE_NOOP("Columns", "Right"), QT_TRANSLATE_NOOP("Columns", "Help total"),
       QT_TRANSLATE_NOOP("Columns", "Max help")},
      {}};
  for (const TestResult& t : tests) {
    table.rows.push_back(
        {Str(DateText(t.day.year, static_cast<int>(t.day.month), static_cast<int>(t.day.day))),
         Str(t.time), Str(t.list), t.percent, Str(t.ratio), t.helpTotal, t.maxHelp});
  }
  return table;
}

ResultTable WrongWordsTable(const std::vector<WordCount>& words) {
  ResultTable table{
      {QT_TRANSLATE_NOOP("Columns", "Word"), QT_TRANSLATE_NOOP("Columns", "Times wrong")}, {}};
  for (const WordCount& w : words) table.rows.push_back({Str(w.word), w.count});
  return table;
}

ResultTable MistakesTable(const std::vector<MistakeTally>& kinds) {
  ResultTable table{{QT_TRANSLATE_NOOP("Columns", "Kind"), QT_TRANSLATE_NOOP("Columns", "Mistakes"),
                     QT_TRANSLATE_NOOP("Columns", "Most frequent")},
                    {}};
  for (const MistakeTally& k : kinds) {
    std::string examples;
    for (const WrongAnswer& answer : k.examples) {
      examples += (examples.empty() ? "" : "; ") + ExampleText(answer);
    }
    table.rows.push_back({Str(k.kind), k.count, Str(examples)});
  }
  return table;
}

ResultTable OverviewTable(const std::vector<OverviewRow>& rows) {
  ResultTable table{
      {QT_TRANSLATE_NOOP("Columns", "Learner"), QT_TRANSLATE_NOOP("Columns", "List"),
       QT_TRANSLATE_NOOP("Columns", "Tests"), QT_TRANSLATE_NOOP("Columns", "Latest %"),
       QT_TRANSLATE_NOOP("Columns", "Best %"), QT_TRANSLATE_NOOP("Columns", "Trend"),
       QT_TRANSLATE_NOOP("Columns", "Due"), QT_TRANSLATE_NOOP("Columns", "Learned")},
      {}};
  for (const OverviewRow& r : rows) {
    QVariant trend;
    if (r.trend) trend = *r.trend;
    // A learner who has not started has no percentages to show.
    const QVariant latest = r.tests > 0 ? QVariant(r.latest) : QVariant();
    const QVariant best = r.tests > 0 ? QVariant(r.best) : QVariant();
    table.rows.push_back(
        {Str(r.name), Str(r.list), r.tests, latest, best, trend, r.review.due, r.review.learned});
  }
  return table;
}

}  // namespace orv
