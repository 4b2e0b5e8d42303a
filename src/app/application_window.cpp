#include "app/application_window.h"

#include <QMessageBox>
#include <exception>

#include "app/picture_window.h"
#include "widgets/passwordecho_window.h"

namespace orv {

OrvApplication::OrvApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Orv6");
  // Every window, dialogs and message boxes included, shows the program's icon.
  setWindowIcon(OrvIcon());
  KeepPasswordsFromScreenReaders();
}

bool OrvApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    QMessageBox::critical(activeWindow(), applicationName(), QString::fromStdString(e.what()));
  }
  return false;
}

}  // namespace orv
