#include "app/about_window.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/picture_window.h"
#include "base/translate.h"

namespace orv {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle(Tr("TAboutBox", "About"));
  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  auto* icon = new QLabel(panel);
  icon->setObjectName("ProgramIcon");
  icon->setPixmap(OrvPicture(QSize(64, 64)));
  auto* product = new QLabel(Tr("TAboutBox", "Orv7"), panel);
  product->setObjectName("ProductName");
  QFont big = product->font();
  big.setPointSize(big.pointSize() + 6);
  big.setBold(true);
  product->setFont(big);
  auto* version = new QLabel(Tr("TAboutBox", "Version 0.1"), panel);
  version->setObjectName("Version");
  auto* comments = new QLabel(Tr("TAboutBox", "This program is still in betta"), panel);
  comments->setObjectName("Comments");
  auto* grid = new QGridLayout(panel);
  grid->addWidget(icon, 0, 0, 2, 1);
  grid->addWidget(product, 0, 1);
  grid->addWidget(version, 1, 1);
  grid->addWidget(comments, 2, 0, 1, 2);
  auto* ok = new QPushButton(Tr("TAboutBox", "OK"), this);
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace orv
