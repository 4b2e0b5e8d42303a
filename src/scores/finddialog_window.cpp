#include "scores/finddialog_window.h"

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
  text_ = new QLineEdit(this);
  text_->setObjectName("Text");
  label->setBuddy(text_);
  wholeWord_ = new QCheckBox(Tr("TFindDialog", "Match &whole word only"), this);
  wholeWord_->setObjectName("WholeWord");
  wholeWord_->setChecked(true);
  matchCase_ = new QCheckBox(Tr("TFindDialog", "Match &case"), this);
  matchCase_->setObjectName("MatchCase");
  auto* findNext = new QPushButton(Tr("TFindDialog", "&Find Next"), this);
  findNext->setObjectName("FindNext");
  findNext->setDefault(true);
  auto* cancel = new QPushButton(Tr("TFindDialog", "Cancel"), this);
  cancel->setObjectName("CancelBtn");
  auto* help = new QPushButton(Tr("TFindDialog", "&Help"), this);
  help->setObjectName("HelpBtn");
  help->setEnabled(false);

  auto* layout = new QGridLayout(this);
  layout->addWidget(label, 0, 0);
  layout->addWidget(text_, 0, 1);
  layout->addWidget(wholeWord_, 1, 0, 1, 2);
  layout->addWidget(matchCase_, 2, 0, 1, 2);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(findNext);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  buttons->addStretch();
  layout->addLayout(buttons, 0, 2, 3, 1);

  connect(findNext, &QPushButton::clicked, this, &TFindDialog::Find);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TFindDialog::FindText() const {
  return text_->text();
}

FindOptions TFindDialog::Options() const {
  return {matchCase_->isChecked(), wholeWord_->isChecked()};
}

void TFindDialog::Execute() {
  show();
  raise();
  activateWindow();
  text_->setFocus();
  text_->selectAll();
}

}  // namespace orv
