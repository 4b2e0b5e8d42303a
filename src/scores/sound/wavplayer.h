#pragma once
// The sound player: a WAV image from memory, played asynchronously.
#include <string_view>

namespace orv {

// Decodes the WAV image and starts playing it, returning at once. A new call
// stops the sound still playing. The sound is kept (decoded) until playback
// ends or the next call. With no audio device (or no application object)
// nothing is played, silently. False when the bytes are not a WAV file that decodes.
bool PlayWav(std::string_view bytes);

}  // namespace orv
