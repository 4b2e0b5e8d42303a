#pragma once
// Qt tells a screen reader each letter typed into a password box (the text
// its accessibility events carry), and the screen reader speaks it aloud.

namespace orv {

// From now on the letters typed into or deleted from a password box reach
// the screen reader as stars, one for each letter; every other
// accessibility event goes on as it came. Called once, at start-up.
void KeepPasswordsFromScreenReaders();

}  // namespace orv
