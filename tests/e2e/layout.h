#pragma once
// Checks of a window's layout and keyboard use that hold for every window of
// the program: no text cut off, every control inside its window, no letter
// underlined twice for the same keyboard short cut, no control a screen reader
// cannot name.
#include <QWidget>
#include <string>
#include <vector>

namespace orv::e2e {

// Each control whose text does not fit, or that lies outside its window.
std::vector<std::string> CutTexts(QWidget& window);

// Each Alt+letter that two controls of the window, or two items of one menu,
// share (the second would never be reached from the keyboard).
std::vector<std::string> SharedAccelerators(QWidget& window);

// Each control that takes typing or a click but cannot be reached with Tab,
// and each place where Tab jumps back up the window (a row above the last
// control) other than from the end of the window to its start.
std::vector<std::string> KeyboardGaps(QWidget& window);

// Each control that takes the focus but has no name for a screen reader (its
// own, its text, or that of the label it is the buddy of).
std::vector<std::string> UnnamedControls(QWidget& window);

}  // namespace orv::e2e
