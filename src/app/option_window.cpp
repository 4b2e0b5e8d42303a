#include "app/option_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/startupfile.h"
#include "widgets/formhelpers_window.h"

namespace orv {
namespace {

QGroupBox* RadioGroup(QWidget* parent, const QString& caption, QRadioButton*& first,
                      const QString& firstText, QRadioButton*& second, const QString& secondText) {
  auto* group = new QGroupBox(caption, parent);
  first = new QRadioButton(firstText, group);
  second = new QRadioButton(secondText, group);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(first);
  layout->addWidget(second);
  return group;
}

}  // namespace

TOptionForm::TOptionForm(QWidget* parent) : QDialog(parent) {
  setObjectName("OptionForm");
  setWindowTitle("Option");
  RadioGroup1 =
      RadioGroup(this, "&File order", InOrderItem, "&In order", RandomOrderItem, "&Random order");
  RadioGroup1->setObjectName("RadioGroup1");
  SetHint(RadioGroup1, "Do the spellings in alphabetical order or in random orde");
  RadioGroup2 =
      RadioGroup(this, "&Words", WholeFileItem, "&Do whole file", TenWordsItem, "do &Ten words");
  RadioGroup2->setObjectName("RadioGroup2");
  SetHint(RadioGroup2,
          "Do whole file or do ten words if you do ten words the words not done are saved in a "
          "file to do next time");
  SoundGroup = new QGroupBox("&Sound group", this);
  SoundGroup->setObjectName("SoundGroup");
  ShowWordCheckBox = new QCheckBox("Show word", SoundGroup);
  SetHint(ShowWordCheckBox, "Show word even if playing sound for word");
  ReShowWordCheckBox = new QCheckBox("Reshow Word", SoundGroup);
  SetHint(ReShowWordCheckBox, "allow reshow of word having played sound for word");
  auto* sound = new QVBoxLayout(SoundGroup);
  sound->addWidget(ShowWordCheckBox);
  sound->addWidget(ReShowWordCheckBox);

  OkBitBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", this);
  SetHint(OkBitBtn, "confirm options they are saved when you log out or quit orv6");
  OkBitBtn->setDefault(true);
  BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", this);
  SetHint(BitBtn1, "Go back to original values");

  auto* groups = new QHBoxLayout;
  groups->addWidget(RadioGroup1);
  groups->addWidget(RadioGroup2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OkBitBtn);
  buttons->addWidget(BitBtn1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addWidget(SoundGroup);
  layout->addLayout(buttons);

  connect(OkBitBtn, &QPushButton::clicked, this, &TOptionForm::OkBitBtnClick);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TOptionForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  FormShow();
}

void TOptionForm::FormShow() {
  const StartUpSettings& s = Settings();
  (s.InOrder ? InOrderItem : RandomOrderItem)->setChecked(true);
  (s.WholeFile ? WholeFileItem : TenWordsItem)->setChecked(true);
  ShowWordCheckBox->setChecked(s.ShowWord);
  ReShowWordCheckBox->setChecked(s.ReshowWord);
  (s.InOrder ? InOrderItem : RandomOrderItem)->setFocus();
}

void TOptionForm::OkBitBtnClick() {
  StartUpSettings& s = Settings();
  s.InOrder = InOrderItem->isChecked();
  s.WholeFile = WholeFileItem->isChecked();
  s.ShowWord = ShowWordCheckBox->isChecked();
  s.ReshowWord = ReShowWordCheckBox->isChecked();
  accept();
}

}  // namespace orv
