#pragma once
// The first and last day a progress view covers, each switched on by its box.
#include <QWidget>

#include "progress/daterange.h"

class QCheckBox;
class QDateEdit;

namespace orv {

class TDateRangeBox : public QWidget {
  Q_OBJECT

 public:
  explicit TDateRangeBox(QWidget* parent);

  DateRange Range() const;
  void SetRange(const DateRange& range);

 signals:
  void Changed();

 private:
  QCheckBox* FromOn;
  QDateEdit* FromDate;
  QCheckBox* ToOn;
  QDateEdit* ToDate;
};

}  // namespace orv
