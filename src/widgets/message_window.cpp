#include "widgets/message_window.h"

#include <QColor>
#include <QLabel>
#include <QTimer>

#include "base/errors.h"
#include "base/platform.h"
#include "widgets/formhelpers_window.h"
#include "widgets/windowlook_window.h"

namespace orv {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 100;
constexpr int kTextPoints = 20;

}  // namespace

TMessageForm::TMessageForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      Label1(new QLabel(this)),
      Timer1(new QTimer(this)),
      Timer2(new QTimer(this)) {
  setObjectName("MessageForm");
  setModal(true);
  setAutoFillBackground(true);
  Label1->setObjectName("Label1");
  Label1->setAlignment(Qt::AlignCenter);
  // The background is always a light colour: the text stays black on it
  // in high contrast too.
  QPalette black = Label1->palette();
  black.setColor(QPalette::WindowText, Qt::black);
  Label1->setPalette(black);
  LayOut();
  Timer1->setObjectName("Timer1");
  Timer2->setObjectName("Timer2");
  for (QTimer* timer : {Timer1, Timer2}) {
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(true);
  }
  connect(Timer1, &QTimer::timeout, this, &TMessageForm::Close);
  connect(Timer2, &QTimer::timeout, this, &TMessageForm::Timer2Timer);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(Qt::cyan));
  setPalette(palette);
}

void TMessageForm::ShowTimedMessage(const std::string& caption, const std::string& text,
                                    const QColor& colour, std::uint16_t showTime,
                                    std::uint16_t extraTime) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, colour);
  setPalette(palette);
  if (showTime == 0 && extraTime == 0) return;
  showTime_ = showTime;
  extraTime_ = extraTime;
  setWindowTitle(QString::fromStdString(caption));
  Label1->setText(QString::fromStdString(text));
  // The window takes no focus of its own: a screen reader reads it as a whole.
  SetSpokenText(this, {Label1->text()});
  // Checked before the window opens, so a bad time never leaves it up.
  if (std::uint32_t{showTime_} + extraTime_ > 0xFFFF) throw ERangeError();
  exec();
}

// At the text size in force: the window and its text grow with it.
void TMessageForm::LayOut() {
  FitScaled(this, QSize(kWidth, kHeight));
  Label1->setGeometry(Scaled(QRect(0, 0, kWidth, kHeight)));
  SetScaledPoints(Label1, kTextPoints);
}

void TMessageForm::showEvent(QShowEvent* event) {
  LayOut();
  QDialog::showEvent(event);
  CentreOnScreen(this);
  FormShow();
}

void TMessageForm::FormShow() {
  Beep();
  Timer1->start(showTime_ + extraTime_);
  Timer2->start(showTime_);
  setEnabled(true);
}

void TMessageForm::Timer2Timer() {
  Label1->clear();
  Timer2->stop();
}

void TMessageForm::Close() {
  Timer1->stop();
  done(QDialog::Accepted);
}

}  // namespace orv
