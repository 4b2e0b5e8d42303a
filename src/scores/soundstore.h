#pragma once
// The recorded sounds of words, kept whole (WAV files) in the table SOUND of
// the score database, one per word, words matched without regard to case.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/dialogs.h"
#include "scores/scoredatabase.h"

namespace orv {

// The largest WAV file taken as a word's sound: 256 MiB, more than 20
// minutes of CD sound.
inline constexpr std::size_t kSoundFileLimit = std::size_t{256} << 20;

class SoundStore {
 public:
  SoundStore(ScoreDatabase& database, Dialogs& dialogs) : db_(database), dialogs_(dialogs) {}

  // True when a sound is stored for the word; every failure counts as none.
  bool WavForWord(const std::string& word);
  // Plays the word's sound when there is one.
  void PlayWord(const std::string& word);
  // The same in one database look-up, every failure counting as no sound;
  // true when a sound was stored and played.
  bool PlayIfStored(const std::string& word);
  // Stores the WAV file as the sound of its base name, asking before it
  // replaces a stored one. A file that cannot be read or is not a WAV file
  // that decodes, and any database failure, end it silently with nothing
  // stored; true when the sound was stored.
  bool WriteWord(const std::string& fileName);
  // Stores the WAV image as the sound of the word, as WriteWord stores a
  // file: a stored sound is replaced after the same question, or without
  // one when replace is Always. False when nothing was stored; why, when
  // given, then says what stopped it. Without why, an account that may not
  // replace a sound is told kTeachersOnly.
  enum class Replace { Ask, Always };
  bool StoreWav(const std::string& word, const std::string& wav, Replace replace = Replace::Ask,
                std::string* why = nullptr);
  // The words that have a sound, in the order of the table.
  std::vector<std::string> Words();
  // Removes the word's sound at once; false when it had none. Raises
  // E_DB_Error when the database refuses (kTeachersOnly for an account that
  // may not remove).
  bool DeleteWord(const std::string& word);
  // The stored WAV file of the word, if any.
  std::optional<std::string> SoundOf(const std::string& word);

 private:
  ScoreDatabase& db_;
  Dialogs& dialogs_;
};

}  // namespace orv
