#pragma once
// The look of every window for the user logged in: the application's font
// (the reading font at the text size) and palette (high contrast or the
// desktop's), set here and nowhere else, as a user logs in or the options
// change. The windows laid out by hand follow the text size through
// widgets/windowlook_window.h.
#include <QtGlobal>

#include "app/startupfile.h"

namespace orv {

// Sets the look the settings ask for; nothing changes while it is the one
// in force, so the desktop's own look stays untouched until a user asks
// for another.
void ApplyAppearance(const StartUpSettings& settings);

// The reading fonts the options offer: a family's name, and the text shown.
struct ReadingFontChoice {
  const char* family;  // empty for the desktop's own
  const char* shown;
};
inline constexpr ReadingFontChoice kReadingFonts[] = {
    {"", QT_TRANSLATE_NOOP("TOptionForm", "The desktop's font")},
    {"Andika", "Andika"},
    {"OpenDyslexic", "OpenDyslexic"},
};

}  // namespace orv
