#pragma once
// The timed message: flashes a text for a set time, leaves the emptied window
// for a while more, and closes by itself.
#include <QDialog>
#include <cstdint>
#include <string>

class QColor;
class QLabel;
class QTimer;

namespace orv {

class TMessageForm : public QDialog {
  Q_OBJECT

 public:
  explicit TMessageForm(QWidget* parent = nullptr);

  // Returns when the window has closed: the text shows for showTime ms, the
  // empty window for extraTime ms more. Both 0: nothing is shown. A total
  // beyond 65535 ms is a range error.
  void ShowTimedMessage(const std::string& caption, const std::string& text, const QColor& colour,
                        std::uint16_t showTime, std::uint16_t extraTime);

 protected:
  void showEvent(QShowEvent* event) override;
  // The timers close the window, nothing else: no close box, no Esc.
  void reject() override {}

 private:
  void LayOut();
  void FormShow();
  void Close();
  void Timer2Timer();

  QLabel* Label1;
  QTimer* Timer1;
  QTimer* Timer2;
  std::uint16_t showTime_ = 0;
  std::uint16_t extraTime_ = 0;
};

}  // namespace orv
