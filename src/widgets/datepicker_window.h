#pragma once
// A date picker with a check box in front: the date takes part only while
// the box is checked. Long date format, a calendar to drop down.
#include <QDate>
#include <QWidget>

class QCheckBox;
class QDateEdit;

namespace orv {

class TDateTimePicker : public QWidget {
  Q_OBJECT

 public:
  explicit TDateTimePicker(QWidget* parent = nullptr);

  bool Checked() const;
  void SetChecked(bool checked);
  QDate Date() const;
  void SetDate(const QDate& date);
  // Green with black text, or the window's own colours.
  void SetHighlighted(bool on);
  // What a screen reader calls the date ("From"); the check box is named after it.
  void SetAccessibleName(const QString& name);

  QCheckBox* CheckBox() const { return box_; }
  QDateEdit* DateEdit() const { return edit_; }

 signals:
  // The check box was clicked.
  void Clicked();
  void Changed();

 private:
  QCheckBox* box_;
  QDateEdit* edit_;
};

}  // namespace orv
