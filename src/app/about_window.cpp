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
  ProgramIcon = new QLabel(panel);
  ProgramIcon->setPixmap(OrvPicture(QSize(64, 64)));
  ProductName = new QLabel(Tr("TAboutBox", "Orv7"), panel);
  QFont big = ProductName->font();
  big.setPointSize(big.pointSize() + 6);
  big.setBold(true);
  ProductName->setFont(big);
  Version = new QLabel(Tr("TAboutBox", "Version 0.1"), panel);
  Comments = new QLabel(Tr("TAboutBox", "This program is still in betta"), panel);
  auto* grid = new QGridLayout(panel);
  grid->addWidget(ProgramIcon, 0, 0, 2, 1);
  grid->addWidget(ProductName, 0, 1);
  grid->addWidget(Version, 1, 1);
  grid->addWidget(Comments, 2, 0, 1, 2);
  OKButton = new QPushButton(Tr("TAboutBox", "OK"), this);
  OKButton->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel);
  layout->addLayout(buttons);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace orv
