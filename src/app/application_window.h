#pragma once
// The program's application object: whatever a window's event lets through
// is shown in an error box and the program goes on.
#include <QApplication>

namespace orv {

class OrvApplication : public QApplication {
  Q_OBJECT

 public:
  OrvApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace orv
