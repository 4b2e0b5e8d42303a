#include "session/input_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/translate.h"
#include "session/ports.h"
#include "widgets/formhelpers_window.h"
#include "widgets/windowlook_window.h"

namespace orv {
namespace {

constexpr int kWidth = 340;
constexpr int kHeight = 95;
constexpr int kEditPoints = 14;
// Four buttons of the style's least width (80) fit the window's width.
constexpr int kButtonWidth = 80;
constexpr int kButtonGap = 4;

}  // namespace

T_Input::T_Input(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      Progress(new QLabel(Tr("T_Input", "Progress"), this)),
      Edit1(new QLineEdit("test", this)),
      Replay(new QPushButton(Tr("T_Input", "&Replay"), this)),
      BReShow(new QPushButton(Tr("T_Input", "Re&Show"), this)),
      BStop(new QPushButton(Tr("T_Input", "S&top"), this)),
      BitBtn1(new QPushButton(Tr("T_Input", "OK"), this)) {
  setObjectName("_Input");
  setWindowTitle(Tr("T_Input", "Input"));
  setModal(true);

  Progress->setObjectName("Progress");
  Edit1->setObjectName("Edit1");
  SetHint(Edit1, Tr("T_Input", "Type in the word you were asked here"));
  Edit1->setAccessibleName(Tr("T_Input", "The word"));

  Replay->setObjectName("Replay");
  SetHint(Replay, Tr("T_Input", "If there is a spoken prompt replay it."));
  BReShow->setObjectName("BReShow");
  SetHint(BReShow, Tr("T_Input", "Reshow the word to type"));
  // A child who wants to stop finds a button for it, as well as the close
  // box and Esc.
  BStop->setObjectName("BStop");
  SetHint(BStop, Tr("T_Input", "Stop this test|Stop this test and see the score (or press Esc)"));
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  SetHint(BitBtn1, Tr("T_Input", "|When you have type in the word click here or press enter"));
  LayOut();
  for (QPushButton* button : {Replay, BReShow, BStop}) button->setAutoDefault(false);

  connect(BitBtn1, &QPushButton::clicked, this, &T_Input::Button2Click);
  connect(BReShow, &QPushButton::clicked, this, &T_Input::BReShowClick);
  connect(Replay, &QPushButton::clicked, this, &T_Input::ReplayClick);
  connect(BStop, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<std::string> T_Input::Ask(const std::string& progress, const std::string& preset,
                                        bool reshowWord, AnswerButtons& buttons) {
  Progress->setText(QString::fromStdString(progress));
  Edit1->setText(QString::fromStdString(preset));
  SetSpokenText(Edit1, {Progress->text()});
  reshowWord_ = reshowWord;
  buttons_ = &buttons;
  const int result = exec();
  buttons_ = nullptr;
  if (result != QDialog::Accepted) return std::nullopt;
  return Edit1->text().toStdString();
}

// At the text size in force: the design's places, sizes and font grow with it.
void T_Input::LayOut() {
  FitScaled(this, QSize(kWidth, kHeight));
  Progress->setGeometry(Scaled(QRect(8, 2, kWidth - 16, 16)));
  QPalette progress = Progress->palette();
  progress.setColor(QPalette::WindowText, Look().highContrast ? Qt::yellow : Qt::red);
  Progress->setPalette(progress);
  Edit1->setGeometry(Scaled(QRect(8, 20, kWidth - 16, 34)));
  SetScaledPoints(Edit1, kEditPoints);
  int x = kButtonGap;
  for (QPushButton* button : {Replay, BReShow, BStop, BitBtn1}) {
    button->setGeometry(Scaled(QRect(x, 60, kButtonWidth, 28)));
    x += kButtonWidth + kButtonGap;
  }
}

void T_Input::showEvent(QShowEvent* event) {
  LayOut();
  QDialog::showEvent(event);
  CentreOnScreen(this);
  FormShow();
}

void T_Input::FormShow() {
  Edit1->setFocus();
  Edit1->selectAll();
  BReShow->setEnabled(reshowWord_);
}

void T_Input::Button2Click() {
  done(QDialog::Accepted);
}

void T_Input::BReShowClick() {
  if (buttons_ != nullptr) buttons_->ReShow();
  Edit1->setFocus();
}

void T_Input::ReplayClick() {
  Edit1->setFocus();
  if (buttons_ != nullptr) buttons_->Replay();
}

}  // namespace orv
