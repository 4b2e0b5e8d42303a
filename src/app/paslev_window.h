#pragma once
// The password-level window: the access level each guarded command needs,
// in the settings in force. A change in any box takes effect at once; OK and
// Cancel only close.
#include <QDialog>
#include <array>

#include "app/startupfile.h"

class QPushButton;
class QSpinBox;

namespace orv {

class TPasLevForm : public QDialog {
  Q_OBJECT

 public:
  explicit TPasLevForm(StartUpSettings& settings, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void SpinEdit7Change();

  StartUpSettings& settings_;
  // SpinEdit1 ... SpinEdit9 in the order of the window.
  std::array<QSpinBox*, kThresholds.size()> SpinEdits{};
  QPushButton* OkButton;
  QPushButton* CancelButton;
};

}  // namespace orv
