#pragma once
// The session's score log written to the score database.
#include "scores/scoredatabase.h"
#include "session/ports.h"

namespace orv {

class DbScoreLog : public ScoreLog {
 public:
  explicit DbScoreLog(ScoreDatabase& database) : db_(database) {}

  std::int32_t NextLogGroup() override { return db_.NextLogGroup(); }
  void LogWord(const std::string& userName, const std::string& listPath, const std::string& wordKey,
               const std::string& answer, std::int32_t logGroup, std::uint16_t helpCount) override {
    db_.LogWord(userName, listPath, wordKey, answer, logGroup, helpCount);
  }
  void LogScore(const std::string& listPath, const scoreR& result, std::int32_t logGroup) override {
    db_.LogScore(listPath, result, logGroup);
  }

 private:
  ScoreDatabase& db_;
};

}  // namespace orv
