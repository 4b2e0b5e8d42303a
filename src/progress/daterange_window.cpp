#include "progress/daterange_window.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

#include "base/translate.h"

namespace orv {
namespace {

CalendarDay DayOf(const QDate& date) {
  return {date.year(), static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day())};
}

QDate DateOf(const CalendarDay& day) {
  return QDate(day.year, static_cast<int>(day.month), static_cast<int>(day.day));
}

QDateEdit* DayEdit(QWidget* parent, const QDate& date) {
  auto* edit = new QDateEdit(date, parent);
  edit->setDisplayFormat("dd/MM/yyyy");
  edit->setCalendarPopup(true);
  edit->setEnabled(false);
  return edit;
}

}  // namespace

TDateRangeBox::TDateRangeBox(QWidget* parent) : QWidget(parent) {
  const QDate today = QDate::currentDate();
  FromOn = new QCheckBox(Tr("TDateRangeBox", "&From"), this);
  FromOn->setObjectName("FromOn");
  FromDate = DayEdit(this, today.addMonths(-1));
  FromDate->setObjectName("FromDate");
  ToOn = new QCheckBox(Tr("TDateRangeBox", "&To"), this);
  ToOn->setObjectName("ToOn");
  ToDate = DayEdit(this, today);
  ToDate->setObjectName("ToDate");
  FromDate->setAccessibleName(Tr("TDateRangeBox", "From"));
  ToDate->setAccessibleName(Tr("TDateRangeBox", "To"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FromOn);
  layout->addWidget(FromDate);
  layout->addWidget(ToOn);
  layout->addWidget(ToDate);
  connect(FromOn, &QCheckBox::toggled, FromDate, &QWidget::setEnabled);
  connect(ToOn, &QCheckBox::toggled, ToDate, &QWidget::setEnabled);
  for (QCheckBox* box : {FromOn, ToOn})
    connect(box, &QCheckBox::clicked, this, &TDateRangeBox::Changed);
  for (QDateEdit* edit : {FromDate, ToDate}) {
    connect(edit, &QDateEdit::editingFinished, this, &TDateRangeBox::Changed);
  }
}

DateRange TDateRangeBox::Range() const {
  DateRange range;
  if (FromOn->isChecked()) range.from = DayOf(FromDate->date());
  if (ToOn->isChecked()) range.to = DayOf(ToDate->date());
  return range;
}

void TDateRangeBox::SetRange(const DateRange& range) {
  FromOn->setChecked(range.from.has_value());
  if (range.from) FromDate->setDate(DateOf(*range.from));
  ToOn->setChecked(range.to.has_value());
  if (range.to) ToDate->setDate(DateOf(*range.to));
}

}  // namespace orv
