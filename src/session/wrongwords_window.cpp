#include "session/wrongwords_window.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "session/nearmiss.h"
#include "session/ports.h"
#include "widgets/formhelpers_window.h"

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

QLabel* MakeLabel(const char* name, const QString& text, Qt::Alignment alignment,
                  const QRect& geometry, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setAlignment(alignment | Qt::AlignVCenter);
  label->setGeometry(geometry);
  QFont font = label->font();
  font.setPointSize(14);
  label->setFont(font);
  return label;
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
      Label5(MakeLabel("Label5", "You Have got it wrong!", Qt::AlignHCenter,
                       QRect(8, 4, kWidth - 16, 48), this)),
      Label1(MakeLabel("Label1", "The answer is:", Qt::AlignRight, QRect(8, 60, 150, 28), this)),
      Label3(MakeLabel("Label3", "", Qt::AlignLeft, QRect(166, 60, 384, 28), this)),
      Label2(MakeLabel("Label2", "Not:", Qt::AlignRight, QRect(8, 94, 150, 28), this)),
      Label4(MakeLabel("Label4", "", Qt::AlignLeft, QRect(166, 94, 384, 28), this)),
      NearMissLabel(
          MakeLabel("NearMissLabel", "", Qt::AlignLeft, QRect(8, 128, kWidth - 16, 32), this)),
      BitBtn1(new QPushButton("OK", this)) {
  setObjectName("WrongWordsForm");
  setWindowTitle("");
  // The window has no title: a screen reader names it by what it says.
  setAccessibleName(Label5->text());
  setModal(true);
  setFixedSize(kWidth, kHeight);
  setAutoFillBackground(true);
  SetColour(this, QPalette::Window, Qt::red);

  QFont script("Lucida Handwriting", 20, QFont::Bold, true);
  Label5->setFont(script);
  SetColour(Label5, QPalette::WindowText, Qt::green);
  for (QLabel* label : {Label1, Label2}) SetColour(label, QPalette::WindowText, Qt::black);
  FillBackground(Label1, Qt::red);
  FillBackground(Label3, Qt::green);
  FillBackground(Label4, Qt::red);
  Label4->setCursor(Qt::ForbiddenCursor);
  NearMissLabel->setTextFormat(Qt::RichText);
  SetColour(NearMissLabel, QPalette::WindowText, Qt::white);

  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(kWidth - 112, kHeight - 38, 104, 32);
  BitBtn1->setDefault(true);
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  BitBtn1->setLayoutDirection(Qt::RightToLeft);
  BitBtn1->setCursor(Qt::PointingHandCursor);
  QFont bold = BitBtn1->font();
  bold.setBold(true);
  BitBtn1->setFont(bold);
  SetColour(BitBtn1, QPalette::ButtonText, Qt::red);
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
                                   " <span style=\"font-size:16pt\">" + Marked(miss) + "</span>");
  SetSpokenText(
      BitBtn1,
      {Label1->text() + ' ' + Label3->text(), Label2->text() + ' ' + Label4->text(),
       miss.line.empty() ? QString() : QString::fromStdString(miss.line + " " + expected)});
  // A near miss gets a line of its own above the OK button.
  const int height = miss.line.empty() ? kHeight : kHeight + kNearMissHeight;
  setFixedSize(kWidth, height);
  BitBtn1->setGeometry(kWidth - 112, height - 38, 104, 32);
  PaintButtonFace();
  exec();
}

void TWrongWordsForm::showEvent(QShowEvent* event) {
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
  SetColour(BitBtn1, QPalette::Button, Qt::red);
  BitBtn1->update();
}

}  // namespace orv
