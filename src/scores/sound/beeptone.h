#pragma once
// The program's beep (after a wrong answer, as a word is flashed): a short
// tone played through the same audio output as the stored sounds, so it is
// heard wherever they are, and silent without an audio device.
#include <string>

namespace orv {

// The tone as a WAV image: a sine of 880 Hz for a tenth of a second, faded
// in and out so that it does not click.
std::string BeepToneWav();

// Starts the tone and returns at once.
void PlayBeepTone();

}  // namespace orv
