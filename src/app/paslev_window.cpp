#include "app/paslev_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/startupfile.h"
#include "base/translate.h"
#include "widgets/formhelpers_window.h"

namespace orv {
namespace {

constexpr std::array<const char*, kThresholds.size()> kLabels = {
    QT_TRANSLATE_NOOP("TPasLevForm", "Option menu pasword Level"),
    QT_TRANSLATE_NOOP("TPasLevForm", "Sound menu pasword Level"),
    QT_TRANSLATE_NOOP("TPasLevForm", "List sounds pasword level"),
    QT_TRANSLATE_NOOP("TPasLevForm", "Delete sound pasword level"),
    QT_TRANSLATE_NOOP("TPasLevForm", "Change Database"),
    QT_TRANSLATE_NOOP("TPasLevForm", "Delete spelling file"),
    QT_TRANSLATE_NOOP("TPasLevForm", "Look at other users spelling list"),
    QT_TRANSLATE_NOOP("TPasLevForm", "Make wrong word file for others"),
    QT_TRANSLATE_NOOP("TPasLevForm", "Add users")};

}  // namespace

TPasLevForm::TPasLevForm(StartUpSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setObjectName("PasLevForm");
  setWindowTitle(Tr("TPasLevForm", "Pasword levels"));
  auto* text = new QLabel(
      Tr("TPasLevForm", "The password level needed to have access to a particular feature"), this);
  text->setWordWrap(true);
  auto* form = new QFormLayout;
  for (std::size_t i = 0; i < SpinEdits.size(); ++i) {
    auto* box = new QSpinBox(this);
    box->setObjectName(QString("SpinEdit%1").arg(i + 1));
    box->setRange(0, 255);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance("0000") + 40);
    SpinEdits[i] = box;
    auto* label = new QLabel(Tr("TPasLevForm", kLabels[i]), this);
    label->setBuddy(box);
    form->addRow(label, box);
  }
  OkButton = new QPushButton(Tr("TPasLevForm", "OK"), this);
  OkButton->setObjectName("OkButton");
  OkButton->setDefault(true);
  CancelButton = new QPushButton(Tr("TPasLevForm", "Cancel"), this);
  CancelButton->setObjectName("CancelButton");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OkButton);
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(form);
  layout->addLayout(buttons);

  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  // Every box, not the seventh alone, copies the levels: a change in any
  // other box would otherwise be lost.
  for (QSpinBox* box : SpinEdits) {
    connect(box, &QSpinBox::valueChanged, this, &TPasLevForm::SpinEdit7Change);
  }
}

void TPasLevForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  FormShow();
}

void TPasLevForm::FormShow() {
  for (std::size_t i = 0; i < SpinEdits.size(); ++i) {
    const QSignalBlocker quiet(SpinEdits[i]);
    SpinEdits[i]->setValue(settings_.*kThresholds[i].second);
  }
}

void TPasLevForm::SpinEdit7Change() {
  for (std::size_t i = 0; i < SpinEdits.size(); ++i) {
    settings_.*kThresholds[i].second = SpinEdits[i]->value();
  }
}

}  // namespace orv
