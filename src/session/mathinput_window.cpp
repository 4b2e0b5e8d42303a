#include "session/mathinput_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/translate.h"
#include "widgets/formhelpers_window.h"
#include "widgets/windowlook_window.h"

namespace orv {
namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 250;
constexpr int kEditPixels = 16;
constexpr int kLabelPixels = 19;

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      QuestionLabel(new QLabel(Tr("TForm1", "Question"), this)),
      QuestinoEdit(new QLineEdit(this)),
      AnswerLabel(new QLabel(Tr("TForm1", "Answer"), this)),
      AnswerEdit(new QLineEdit(this)),
      RoundTo(new QLabel(Tr("TForm1", "Round to 3 decimal places where appropriate. "), this)),
      remain(new QLabel(Tr("TForm1", "questions remaining"), this)),
      BStop(new QPushButton(Tr("TForm1", "S&top"), this)),
      BitBtn1(new QPushButton(Tr("TForm1", "OK"), this)),
      BitBtn2(new QPushButton(Tr("TForm1", "&Close"), this)) {
  setObjectName("Form1");
  setWindowTitle(Tr("TForm1", "Math input"));
  setModal(true);
  SetHint(this,
          Tr("TForm1",
             "Type the answer to the question in the answer box|Type the answer to the question in "
             "the answer box and press enter"));

  QuestionLabel->setObjectName("QuestionLabel");
  QuestinoEdit->setObjectName("QuestinoEdit");
  QuestinoEdit->setReadOnly(true);
  QuestinoEdit->setFocusPolicy(Qt::ClickFocus);
  SetHint(QuestinoEdit, Tr("TForm1", "Type the answer to this question in the answer box below"));
  QuestionLabel->setBuddy(QuestinoEdit);

  AnswerLabel->setObjectName("AnswerLabel");
  SetHint(AnswerLabel, Tr("TForm1", "Type the answer in the box below"));
  AnswerEdit->setObjectName("AnswerEdit");
  AnswerLabel->setBuddy(AnswerEdit);

  RoundTo->setObjectName("RoundTo");
  remain->setObjectName("remain");
  remain->setAutoFillBackground(true);

  BStop->setObjectName("BStop");
  BStop->setAutoDefault(false);
  SetHint(BStop, Tr("TForm1", "Stop this test|Stop this test and see the score (or press Esc)"));
  connect(BStop, &QPushButton::clicked, this, &QDialog::reject);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setAutoDefault(false);
  LayOut();
  connect(BitBtn1, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
}

std::optional<std::string> TForm1::AskMath(const std::string& prompt,
                                           const std::string& decimalPlaces,
                                           const std::string& progress) {
  // A whole number or a fraction is not rounded: no rule is shown for it.
  RoundTo->setText(decimalPlaces.empty()
                       ? QString()
                       : Tr("TForm1", "Round to %1 decimal places where appropriate.")
                             .arg(QString::fromStdString(decimalPlaces)));
  QuestinoEdit->setText(QString::fromStdString(prompt));
  remain->setText(QString::fromStdString(progress));
  AnswerEdit->clear();
  SetSpokenText(AnswerEdit, {QuestinoEdit->text(), RoundTo->text(), remain->text()});
  if (exec() != QDialog::Accepted) return std::nullopt;
  return AnswerEdit->text().toStdString();
}

// At the text size in force: the design's places, sizes and fonts grow with it.
void TForm1::LayOut() {
  FitScaled(this, QSize(kWidth, kHeight));
  QuestionLabel->setGeometry(Scaled(QRect(8, 4, kWidth - 16, 24)));
  QuestinoEdit->setGeometry(Scaled(QRect(8, 30, kWidth - 16, 30)));
  AnswerLabel->setGeometry(Scaled(QRect(8, 66, kWidth - 16, 24)));
  AnswerEdit->setGeometry(Scaled(QRect(8, 92, kWidth - 16, 30)));
  for (QWidget* label : {QuestionLabel, AnswerLabel}) SetScaledPixels(label, kLabelPixels);
  for (QWidget* edit : {QuestinoEdit, AnswerEdit}) SetScaledPixels(edit, kEditPixels);
  RoundTo->setGeometry(Scaled(QRect(8, 130, kWidth - 16, 22)));
  remain->setGeometry(Scaled(QRect(8, 156, kWidth - 16, 22)));
  BStop->setGeometry(Scaled(QRect(kWidth - 324, kHeight - 40, 100, 30)));
  BitBtn1->setGeometry(Scaled(QRect(kWidth - 216, kHeight - 40, 100, 30)));
  BitBtn2->setGeometry(Scaled(QRect(kWidth - 108, kHeight - 40, 100, 30)));
}

void TForm1::showEvent(QShowEvent* event) {
  LayOut();
  QDialog::showEvent(event);
  CentreOnScreen(this);
  AnswerEdit->setFocus();
}

}  // namespace orv
