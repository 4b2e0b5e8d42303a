#include "widgets/hintdialog_window.h"

#include <QStatusBar>
#include <QStatusTipEvent>
#include <exception>

#include "base/dialogs.h"

namespace orv {

THintDialog::THintDialog(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName("StatusBar1");
  StatusBar1->setSizeGripEnabled(false);
}

bool THintDialog::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    StatusBar1->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QDialog::event(event);
}

void THintDialog::Run(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    dialogs_.Error(e.what());
  }
}

}  // namespace orv
