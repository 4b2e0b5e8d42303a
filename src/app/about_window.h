#pragma once
// The About box: the product's name, version and a comment.
#include <QDialog>

namespace orv {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace orv
