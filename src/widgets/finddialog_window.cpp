#include "widgets/finddialog_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/translate.h"

namespace orv {

TFindDialog::TFindDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("FindDialog1");
  setWindowTitle(Tr("TFindDialog", "Find"));
  setModal(false);
  auto* label = new QLabel(Tr("TFindDialog", "Fi&nd what:"), this);
  Text = new QLineEdit(this);
  label->setBuddy(Text);
  WholeWord = new QCheckBox(Tr("TFindDialog", "Match &whole word only"), this);
  WholeWord->setChecked(true);
  MatchCase = new QCheckBox(Tr("TFindDialog", "Match &case"), this);
  FindNext = new QPushButton(Tr("TFindDialog", "&Find Next"), this);
  FindNext->setDefault(true);
  CancelBtn = new QPushButton(Tr("TFindDialog", "Cancel"), this);
  HelpBtn = new QPushButton(Tr("TFindDialog", "&Help"), this);
  HelpBtn->setEnabled(false);

  auto* layout = new QGridLayout(this);
  layout->addWidget(label, 0, 0);
  layout->addWidget(Text, 0, 1);
  layout->addWidget(WholeWord, 1, 0, 1, 2);
  layout->addWidget(MatchCase, 2, 0, 1, 2);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(FindNext);
  buttons->addWidget(CancelBtn);
  buttons->addWidget(HelpBtn);
  buttons->addStretch();
  layout->addLayout(buttons, 0, 2, 3, 1);

  connect(FindNext, &QPushButton::clicked, this, &TFindDialog::Find);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

QString TFindDialog::FindText() const {
  return Text->text();
}

void TFindDialog::SetFindText(const QString& text) {
  Text->setText(text);
}

FindOptions TFindDialog::Options() const {
  return {MatchCase->isChecked(), WholeWord->isChecked()};
}

void TFindDialog::Execute() {
  show();
  raise();
  activateWindow();
  Text->setFocus();
  Text->selectAll();
}

}  // namespace orv
