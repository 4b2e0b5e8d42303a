#include "session/wrongwords_window.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "base/translate.h"
#include "session/nearmiss.h"
#include "session/ports.h"
#include "widgets/formhelpers_window.h"
#include "widgets/windowlook_window.h"

namespace orv {
namespace {

constexpr int kWidth = 558;
constexpr int kHeight = 164;
constexpr int kNearMissHeight = 36;

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

QLabel* MakeLabel(const char* name, const QString& text, Qt::Alignment alignment, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

// The window's colours: its own red, lime and black, or in high contrast
// white and yellow on black with the right answer black on white.
struct Colours {
  QColor window, heading, labels, right, rightText, typed, typedText, nearMiss, button;
};
Colours WindowColours(bool highContrast) {
  if (highContrast) {
    return {Qt::black, Qt::yellow, Qt::white,  Qt::white, Qt::black,
            Qt::black, Qt::white,  Qt::yellow, Qt::black};
  }
  return {Qt::red, Qt::green, Qt::black, Qt::green, Qt::black,
          Qt::red, Qt::black, Qt::white, Qt::red};
}

// The answers sit in coloured boxes.
void FillBackground(QLabel* label, const QColor& colour) {
  label->setAutoFillBackground(true);
  SetColour(label, QPalette::Window, colour);
}

// The right spelling with the letters that differ underlined and bold, so
// they stand out without their colour.
QString Marked(const NearMiss& miss) {
  QString html;
  for (std::size_t i = 0; i < miss.letters.size(); ++i) {
    const char32_t letter = miss.letters[i];
    const QString text = QString::fromUcs4(&letter, 1).toHtmlEscaped();
    const bool marked =
        std::find(miss.marks.begin(), miss.marks.end(), static_cast<int>(i)) != miss.marks.end();
    html += marked ? "<b><u>" + text + "</u></b>" : text;
  }
  return html;
}

}  // namespace

TWrongWordsForm::TWrongWordsForm(SessionSounds& sounds, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      sounds_(sounds),
      Label5(MakeLabel("Label5", Tr("TWrongWordsForm", "You Have got it wrong!"), Qt::AlignHCenter,
                       this)),
      Label1(MakeLabel("Label1", Tr("TWrongWordsForm", "The answer is:"), Qt::AlignRight, this)),
      Label3(MakeLabel("Label3", "", Qt::AlignLeft, this)),
      Label2(MakeLabel("Label2", Tr("TWrongWordsForm", "Not:"), Qt::AlignRight, this)),
      Label4(MakeLabel("Label4", "", Qt::AlignLeft, this)),
      NearMissLabel(MakeLabel("NearMissLabel", "", Qt::AlignLeft, this)),
      BitBtn1(new QPushButton(Tr("TWrongWordsForm", "OK"), this)) {
  setObjectName("WrongWordsForm");
  setWindowTitle("");
  // The window has no title: a screen reader names it by what it says.
  setAccessibleName(Label5->text());
  setModal(true);
  setAutoFillBackground(true);
  Label4->setCursor(Qt::ForbiddenCursor);
  NearMissLabel->setTextFormat(Qt::RichText);

  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  BitBtn1->setLayoutDirection(Qt::RightToLeft);
  BitBtn1->setCursor(Qt::PointingHandCursor);
  LayOut();
  connect(BitBtn1, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
}

void TWrongWordsForm::ShowWrongAnswer(const std::string& typed, const std::string& expected) {
  PlayWrongSound("_wrong_word");
  Label3->setText('"' + QString::fromStdString(expected) + '"');
  Label4->setText('"' + QString::fromStdString(typed) + '"');
  const NearMiss miss = NearMissOf(expected, typed);
  NearMissLabel->setText(miss.line.empty()
                             ? QString()
                             : QString::fromStdString(miss.line).toHtmlEscaped() +
                                   " <span style=\"font-size:" + QString::number(Scaled(16)) +
                                   "pt\">" + Marked(miss) + "</span>");
  SetSpokenText(
      BitBtn1,
      {Label1->text() + ' ' + Label3->text(), Label2->text() + ' ' + Label4->text(),
       miss.line.empty() ? QString() : QString::fromStdString(miss.line + " " + expected)});
  nearMiss_ = !miss.line.empty();
  LayOut();
  PaintButtonFace();
  exec();
}

// At the text size in force, in the colours in force. A near miss gets a
// line of its own above the OK button.
void TWrongWordsForm::LayOut() {
  const int height = nearMiss_ ? kHeight + kNearMissHeight : kHeight;
  FitScaled(this, QSize(kWidth, height));
  Label5->setGeometry(Scaled(QRect(8, 4, kWidth - 16, 48)));
  Label1->setGeometry(Scaled(QRect(8, 60, 150, 28)));
  Label3->setGeometry(Scaled(QRect(166, 60, 384, 28)));
  Label2->setGeometry(Scaled(QRect(8, 94, 150, 28)));
  Label4->setGeometry(Scaled(QRect(166, 94, 384, 28)));
  NearMissLabel->setGeometry(Scaled(QRect(8, 128, kWidth - 16, 32)));
  BitBtn1->setGeometry(Scaled(QRect(kWidth - 112, height - 38, 104, 32)));
  for (QLabel* label : {Label1, Label3, Label2, Label4, NearMissLabel}) SetScaledPoints(label, 14);
  Label5->setFont(QFont("Lucida Handwriting", Scaled(20), QFont::Bold, true));
  QFont bold = font();
  bold.setBold(true);
  BitBtn1->setFont(bold);

  const Colours colours = WindowColours(Look().highContrast);
  SetColour(this, QPalette::Window, colours.window);
  SetColour(Label5, QPalette::WindowText, colours.heading);
  for (QLabel* label : {Label1, Label2}) SetColour(label, QPalette::WindowText, colours.labels);
  FillBackground(Label1, colours.window);
  FillBackground(Label3, colours.right);
  SetColour(Label3, QPalette::WindowText, colours.rightText);
  FillBackground(Label4, colours.typed);
  SetColour(Label4, QPalette::WindowText, colours.typedText);
  SetColour(NearMissLabel, QPalette::WindowText, colours.nearMiss);
  SetColour(BitBtn1, QPalette::ButtonText, Look().highContrast ? Qt::yellow : Qt::red);
}

void TWrongWordsForm::showEvent(QShowEvent* event) {
  LayOut();
  QDialog::showEvent(event);
  CentreOnScreen(this);
  FormShow();
}

// The sound is started again as the window shows (a new sound cuts off the old).
void TWrongWordsForm::FormShow() {
  PlayWrongSound("_Wrong_word");
}

void TWrongWordsForm::PlayWrongSound(const std::string& name) {
  sounds_.PlayIfStored(name);
}

void TWrongWordsForm::PaintButtonFace() {
  BitBtn1->setAutoFillBackground(true);
  SetColour(BitBtn1, QPalette::Button, WindowColours(Look().highContrast).button);
  BitBtn1->update();
}

}  // namespace orv
