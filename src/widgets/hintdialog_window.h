#pragma once
// The base of the database windows: a dialog whose status bar shows the
// hint of whatever the mouse is over, and whose handlers show an error box
// for whatever they let through instead of ending the program.
#include <QDialog>
#include <functional>

class QStatusBar;

namespace orv {

class Dialogs;

class THintDialog : public QDialog {
  Q_OBJECT

 public:
  THintDialog(Dialogs& dialogs, QWidget* parent);

 protected:
  bool event(QEvent* event) override;
  // Runs a handler; an error it raises is shown and the window stays open.
  void Run(const std::function<void()>& handler);

  QStatusBar* StatusBar1;
  Dialogs& dialogs_;
};

}  // namespace orv
