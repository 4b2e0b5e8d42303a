#pragma once
// The session's score log and sounds, kept in the score database, and the
// review's boxes, moved in the transaction of the score.
#include "scores/scoredatabase.h"
#include "scores/sound/beeptone.h"
#include "scores/sound/speech.h"
#include "scores/soundstore.h"
#include "session/ports.h"

namespace orv {

class SessionDatabase : public ScoreLog, public SessionSounds {
 public:
  SessionDatabase(ScoreDatabase& database, SoundStore& sounds) : db_(database), sounds_(sounds) {}

  std::int32_t NextLogGroup() override { return db_.NextLogGroup(); }
  void LogWord(const std::string& userName, const std::string& listPath, const std::string& wordKey,
               const std::string& answer, std::int32_t logGroup, std::uint16_t helpCount) override {
    db_.LogWord(userName, listPath, wordKey, answer, logGroup, helpCount);
  }
  void LogScore(const std::string& listPath, const scoreR& result, std::int32_t logGroup,
                const ReviewAnswers& review) override;
  std::optional<PastScore> LastScore(const std::string& userName,
                                     const std::string& listPath) override {
    return db_.LastScore(userName, listPath);
  }
  bool MissedBefore(const std::string& userName, const std::string& wordKey,
                    std::int32_t beforeGroup) override {
    return db_.MissedBefore(userName, wordKey, beforeGroup);
  }

  bool WavForWord(const std::string& name) override { return sounds_.WavForWord(name); }
  void PlayWord(const std::string& name) override { sounds_.PlayWord(name); }
  bool PlayIfStored(const std::string& name) override { return sounds_.PlayIfStored(name); }
  bool Speak(const std::string& text, const std::string& voice) override {
    return SpeakNow(text, voice);
  }
  void PlayRightSound() override { PlayRightChime(); }

 private:
  ScoreDatabase& db_;
  SoundStore& sounds_;
};

}  // namespace orv
