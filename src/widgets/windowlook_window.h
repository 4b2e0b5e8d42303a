#pragma once
// How the program's windows are drawn for the user logged in: the text size
// and whether high contrast colours stand in for a window's own. The program
// sets it in one place (app/) as a user logs in or the options change; the
// windows laid out by hand read it each time they are shown.
#include <QRect>
#include <QSize>

class QWidget;

namespace orv {

struct WindowLook {
  double textScale = 1.0;  // 1 at the desktop's own text size
  bool highContrast = false;
};

const WindowLook& Look();
void SetLook(const WindowLook& look);

// A length, place or size of a window laid out for the desktop's text size,
// at the text size in force.
int Scaled(int pixels);
QRect Scaled(const QRect& design);

// A window laid out by hand gets its design size at the text size in force
// as its least size, and that size; the learner may make it larger.
void FitScaled(QWidget* window, const QSize& design);

// Gives a control of such a window its window's font (the learner's reading
// font) at a size chosen for the desktop's text size, scaled to the size in
// force.
void SetScaledPoints(QWidget* control, int points);
void SetScaledPixels(QWidget* control, int pixels);

}  // namespace orv
