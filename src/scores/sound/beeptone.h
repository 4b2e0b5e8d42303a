#pragma once
// The program's beep (after a wrong answer, as a word is flashed) and the
// chime of a right answer: short tones played through the same audio output
// as the stored sounds, so they are heard wherever those are, and silent
// without an audio device.
#include <string>

namespace orv {

// The tone as a WAV image: a sine of 880 Hz for a tenth of a second, faded
// in and out so that it does not click.
std::string BeepToneWav();

// Starts the tone and returns at once.
void PlayBeepTone();

// The chime as a WAV image: two soft notes rising, C then E (523 Hz and
// 659 Hz, well apart from the beep's pitch), each faded so that it does not
// click.
std::string RightChimeWav();

// Starts the chime on the words' output, so the beep beside it does not cut
// it off, and returns at once.
void PlayRightChime();

}  // namespace orv
