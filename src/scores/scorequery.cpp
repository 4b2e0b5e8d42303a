#include "scores/scorequery.h"

#include "base/strings.h"
#include "files/dos.h"
#include "scores/firebird/sqlquote.h"

namespace orv {

std::string ScoreListKey(const std::string& currentDir, const std::string& currentFile) {
  return currentDir + BaseName(currentFile) + ".sco";
}

std::string BuildScoreSql(std::uint16_t sortOrder, const std::string& listKey,
                          const std::string& user, const ScoreFilter& filter) {
  std::string sql = "select name, percent1, ratio, date1, time1, max_help, help_total, log_group ";
  const std::string key = Upper(listKey);
  if (filter.currentFileOnly && filter.currentUserOnly) {
    sql += " from score_tab where UPPER(file1) = ";
    SqlQuote(sql, key);
    sql += " and name = ";
    SqlQuote(sql, user);
  } else if (filter.currentFileOnly) {
    sql += " from score_tab where UPPER(file1) = ";
    SqlQuote(sql, key);
  } else if (filter.currentUserOnly) {
    sql += " , file1 from score_tab where name = ";
    SqlQuote(sql, user);
    sql += " ";
  } else {
    sql += " , file1 from score_tab ";
  }
  switch (sortOrder) {
    case kByName:
      sql += " order by name, percent1 desc, sort_date desc, time1 desc";
      break;
    case kByPercent:
      sql += " order by percent1 desc, sort_date desc, time1 desc";
      break;
    case kByDate:
      sql += " order by sort_date desc, time1 desc";
      break;
    default:
      break;
  }
  return sql;
}

std::string WordsSql(std::int32_t logGroup, bool wrongAnswers, bool rightAnswers) {
  std::string sql = "select Name, Word, Answer, Help_count from log where log_group = " +
                    std::to_string(logGroup);
  if (!(wrongAnswers && rightAnswers)) {
    sql += wrongAnswers ? " and Answer is not null" : " and Answer is null";
  }
  return sql;
}

}  // namespace orv
