#include "widgets/datepicker_window.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLocale>

#include "base/translate.h"

namespace orv {

TDateTimePicker::TDateTimePicker(QWidget* parent) : QWidget(parent) {
  box_ = new QCheckBox(this);
  box_->setChecked(true);
  edit_ = new QDateEdit(QDate::currentDate(), this);
  edit_->setCalendarPopup(true);
  edit_->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(box_);
  layout->addWidget(edit_, 1);
  setFocusProxy(edit_);
  connect(box_, &QCheckBox::clicked, this, &TDateTimePicker::Clicked);
  connect(edit_, &QDateEdit::dateChanged, this, &TDateTimePicker::Changed);
}

void TDateTimePicker::SetAccessibleName(const QString& name) {
  edit_->setAccessibleName(name);
  box_->setAccessibleName(Tr("TDateTimePicker", "Use %1").arg(name));
}

bool TDateTimePicker::Checked() const {
  return box_->isChecked();
}

void TDateTimePicker::SetChecked(bool checked) {
  box_->setChecked(checked);
}

QDate TDateTimePicker::Date() const {
  return edit_->date();
}

void TDateTimePicker::SetDate(const QDate& date) {
  edit_->setDate(date);
}

void TDateTimePicker::SetHighlighted(bool on) {
  QPalette colours = QWidget::palette();
  if (on) {
    colours.setColor(QPalette::Base, QColor(0, 128, 0));
    colours.setColor(QPalette::Text, Qt::black);
  }
  edit_->setPalette(colours);
}

}  // namespace orv
