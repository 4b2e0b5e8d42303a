#pragma once
// A find dialog that stays open over its window: the text to find, whole
// word and match case, Find Next, Cancel and Help.
#include <QDialog>

#include "scores/soundfind.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace orv {

class TFindDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TFindDialog(QWidget* parent = nullptr);

  QString FindText() const;
  FindOptions Options() const;
  // Shows the dialog (again) in front of its window.
  void Execute();

 signals:
  void Find();

 private:
  QLineEdit* text_;
  QCheckBox* wholeWord_;
  QCheckBox* matchCase_;
};

}  // namespace orv
