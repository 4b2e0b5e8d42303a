#pragma once
// What a person would hear: the private sound server's null sink recorded
// through its monitor by the server's own recorder (parec), while the real
// program plays into it, and the stretches of sound found in the recording.
#include <QProcess>
#include <cstdint>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace orv::test {

inline constexpr int kRecordingRate = 22050;

// One stretch of sound: when it began and how long it lasted, in seconds
// from the start of the recording.
struct HeardSound {
  double start = 0;
  double seconds = 0;
};

// Records the null sink of a NullSinkServer (which must be ready) from
// construction until Stop.
class SoundRecording {
 public:
  explicit SoundRecording(const TempDir& dir);
  ~SoundRecording();
  SoundRecording(const SoundRecording&) = delete;
  SoundRecording& operator=(const SoundRecording&) = delete;

  // Waits until the recorder has written a first stretch of silence, so that
  // nothing played after it is missed; false when it never does.
  bool Started();
  // Lets the server pass on what is still playing, then stops and returns the
  // samples heard (16-bit mono at kRecordingRate).
  std::vector<std::int16_t> Stop();

 private:
  std::string file_;
  QProcess recorder_;
};

// The stretches louder than a whisper, in order, from 50 ms long (shorter
// ones are clicks); pauses shorter than 40 ms do not split a stretch.
std::vector<HeardSound> HeardSounds(const std::vector<std::int16_t>& samples);

// The stretches in which a tone of the pitch sounds clearly, whatever sounds
// beside it.
std::vector<HeardSound> HeardTone(const std::vector<std::int16_t>& samples, double hertz);

// How long the stretches last together.
double Seconds(const std::vector<HeardSound>& heard);

std::string Describe(const std::vector<HeardSound>& heard);

}  // namespace orv::test
