#pragma once
// The sound player: a WAV image from memory, played asynchronously.
#include <string_view>

namespace orv {

// The program's two sound outputs. They sound at once, as the system's beep
// sounds beside a word being played: a new sound cuts off only the sound
// still playing on its own output.
enum class SoundOutput { Words, Beeps };

// Decodes the WAV image and starts playing it, returning at once. A new call
// for the same output stops the sound still playing there. The sound is kept
// (decoded) until it has played out or the next call. With no audio device
// (or no application object) nothing is played, silently. False when the
// bytes are not a WAV file that decodes.
bool PlayWav(std::string_view bytes, SoundOutput output = SoundOutput::Words);

}  // namespace orv
