#pragma once
// Small helpers shared by the program's windows.
#include <QString>

class QAction;
class QWidget;

namespace orv {

// A hint "short|long": the short part is the tool tip, the long part the
// status-bar text; a hint without "|" is both.
void SetHint(QWidget* widget, const QString& hint);
void SetHint(QAction* action, const QString& hint);

// Places a top-level window in the middle of its screen.
void CentreOnScreen(QWidget* window);

}  // namespace orv
