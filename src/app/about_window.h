#pragma once
// The About box: the product's name, version and a comment.
#include <QDialog>

class QLabel;
class QPushButton;

namespace orv {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Version;
  QLabel* Comments;
  QPushButton* OKButton;
};

}  // namespace orv
