#include "app/application_window.h"

#include <QMessageBox>
#include <exception>

namespace orv {

OrvApplication::OrvApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Orv6");
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
