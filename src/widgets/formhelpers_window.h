#pragma once
// Small helpers shared by the program's windows.
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>

class QAction;
class QWidget;

namespace orv {

// A hint "short|long": the short part is the tool tip, the long part the
// status-bar text; a hint without "|" is both.
void SetHint(QWidget* widget, const QString& hint);
void SetHint(QAction* action, const QString& hint);

// Gives a control what a screen reader reads after its name: the texts in
// turn, the empty ones left out, each ended as a sentence. A screen reader
// reads it when the control takes the focus, and again when it changes
// while the control has it.
void SetSpokenText(QWidget* control, const QStringList& texts);

// Tab goes from each control to the next, in the order given.
void SetTabOrder(std::initializer_list<QWidget*> order);

// Places a top-level window in the middle of its screen when it is first
// shown; shown again, it stays where it stood.
void CentreOnScreen(QWidget* window);

// Gives a window the program's Quit keys (Alt+Q, as on the main window's
// Quit button, and the desktop's Quit key), for the windows of a test, which
// keep the main window out of reach.
void AddQuitKeys(QWidget* window, const std::function<void()>& quit);

}  // namespace orv
