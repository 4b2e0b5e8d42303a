#include "scores/logquery.h"

#include <chrono>
#include <cstdio>

#include "base/translate.h"
#include "files/dos.h"
#include "scores/firebird/sqlquote.h"

namespace orv {
namespace {

std::string DayText(const CalendarDay& day) {
  return DateText(day.year, static_cast<int>(day.month), static_cast<int>(day.day));
}

// A DATE literal, which the engine compares with the log's day column (and
// its index) directly.
std::string DateLiteral(const CalendarDay& day) {
  char text[64];
  std::snprintf(text, sizeof text, "DATE '%04d-%02u-%02u'", day.year, day.month, day.day);
  return text;
}

// The columns the log window shows: the day column is for the index only.
constexpr const char* kShownLogColumns =
    " select name, date1, time1, file1, word, log_group, help_count, answer from log ";

// The words of a table for its right and wrong answers.
struct AnswerColumn {
  const char* wrong;
  const char* right;
  const char* neither;
};
constexpr AnswerColumn kLogAnswer{" where ANSWER IS NOT NULL ", " where ANSWER IS NULL ",
                                  " where ANSWER <> ANSWER "};
constexpr AnswerColumn kNarrowAnswer{" where wrong = 1 ", " where wrong = 0 ",
                                     " where wrong <> wrong "};

// The answer clause, the user clause and the date clauses after head.
std::string SelectAndWhere(const LogQueryControls& c, std::string sql, const AnswerColumn& answer,
                           bool dayColumn) {
  bool where = true;
  if (c.showRight && !c.showWrong) {
    sql += answer.right;
  } else if (c.showWrong && !c.showRight) {
    sql += answer.wrong;
  } else if (c.showWrong && c.showRight) {
    where = false;
  } else {
    sql += answer.neither;
  }
  auto clause = [&](const char* condition) {
    sql += where ? " and " : " where ";
    sql += condition;
    where = true;
  };
  if (!c.user.empty()) {
    clause("name = ");
    SqlQuote(sql, c.user);
  }
  // The bound is the day before with "later than", so the first day's own rows count.
  if (c.from && dayColumn) {
    clause("day1 > ");
    sql += DateLiteral(DayBefore(*c.from)) + " ";
    if (c.to) sql += " and day1 <= " + DateLiteral(*c.to) + " ";
  } else if (c.from) {
    clause("cdate(date1,");
    SqlQuote(sql, DayText(DayBefore(*c.from)));
    sql += ") = 1 ";
    if (c.to) {
      sql += " and cdate(date1,";
      SqlQuote(sql, DayText(*c.to));
      sql += ") <> 1 ";
    }
  }
  return sql;
}

std::string SelectAndWhere(const LogQueryControls& c) {
  return SelectAndWhere(c, c.count ? " select word, count(word) from log " : kShownLogColumns,
                        kLogAnswer, c.dayColumn);
}

// One row per word with its count, largest first; having gives the group
// condition for the count expression it is handed. The narrow rows, or for
// every user and day the word totals, are counted per word number first and
// the few groups then regrouped by the word's text, so words the log groups
// together (a dictionary entry that two programs added at once, a text with
// trailing blanks) count as one. A word's totals say how many log rows it
// has; a NULL word's rows count as nothing, as in count(word).
// The count's field, as the database names count(word) too; the grid shows
// it as a title of context "Columns".
constexpr char kCountField[] = QT_TRANSLATE_NOOP("Columns", "COUNT");

template <typename Having>
std::string CountedSql(const LogQueryControls& c, Having having) {
  if (!c.countTables) {
    return SelectAndWhere(c) + " group by word" + having("count(word)") + " order by 2 desc";
  }
  const bool totals = c.user.empty() && !c.from;
  const std::string perWord =
      totals ? SelectAndWhere(c,
                              " select word_id, sum(iif(word_id is null, 0, n)) n "
                              "from log_total ",
                              kNarrowAnswer, true) +
                   " group by word_id having sum(n) > 0"
             : SelectAndWhere(c, " select word_id, count(word_id) n from log_count ", kNarrowAnswer,
                              true) +
                   " group by word_id";
  return std::string(" select w.word, sum(c.n) \"") + kCountField + "\" from (" + perWord +
         ") c left join log_word w on w.id = c.word_id group by w.word" + having("sum(c.n)") +
         " order by 2 desc";
}

}  // namespace

CalendarDay DayBefore(const CalendarDay& day) {
  using namespace std::chrono;
  const year_month_day ymd{sys_days{year{day.year} / month{day.month} / std::chrono::day{day.day}} -
                           days{1}};
  return {static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
          static_cast<unsigned>(ymd.day())};
}

std::string CreateLogSql(const LogQueryControls& controls) {
  if (!controls.count) return SelectAndWhere(controls);
  return CountedSql(controls, [](const char*) { return std::string(); });
}

std::string WrongWordSql(const LogQueryControls& controls, const CountLimits& limits) {
  if (!controls.count) return SelectAndWhere(controls);
  return CountedSql(controls, [&](const char* count) {
    std::string sql;
    if (limits.moreThanOn)
      sql += std::string(" having ") + count + " > " + std::to_string(limits.moreThan);
    if (limits.lessThanOn) {
      // An upper limit on its own opens the group condition itself.
      sql += limits.moreThanOn ? " and " : " having ";
      sql += std::string(count) + " < " + std::to_string(limits.lessThan);
    }
    return sql;
  });
}

}  // namespace orv
