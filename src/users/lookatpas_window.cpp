#include "users/lookatpas_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "base/dialogs.h"
#include "base/translate.h"
#include "users/lookatpas.h"
#include "users/password.h"
#include "widgets/formhelpers_window.h"

namespace orv {
namespace {

constexpr int kNameColumn = 0;
constexpr int kLevelColumn = 1;

// The button's caption is its name, marked for translation where it is given.
QPushButton* Button(QWidget* parent, const char* name, const QString& hint) {
  auto* button = new QPushButton(Tr("TEditUsers", name), parent);
  button->setObjectName(name);
  SetHint(button, hint);
  return button;
}

}  // namespace

TEditUsers::TEditUsers(PasswordO& users, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), users_(users), dialogs_(dialogs) {
  setObjectName("EditUsers");
  setWindowTitle(Tr("TEditUsers", "EditUsers"));

  ChangePass = Button(this, QT_TRANSLATE_NOOP("TEditUsers", "ChangePass"),
                      Tr("TEditUsers", "Change the password for the slected user"));
  Delete = Button(this, QT_TRANSLATE_NOOP("TEditUsers", "Delete"),
                  Tr("TEditUsers", "Delete a user from the password list"));
  AddUser = Button(this, QT_TRANSLATE_NOOP("TEditUsers", "AddUser"),
                   Tr("TEditUsers", "Add a user to the pasword list"));
  BitBtn1 = new QPushButton(Tr("TEditUsers", "&Help"), this);
  BitBtn1->setObjectName("BitBtn1");

  StringGrid1 = new QTableWidget(0, 2, this);
  StringGrid1->setObjectName("StringGrid1");
  StringGrid1->setAccessibleName(Tr("TEditUsers", "Users"));
  StringGrid1->setHorizontalHeaderLabels(
      {Tr("TEditUsers", "User name"), Tr("TEditUsers", "Acsses level")});
  StringGrid1->verticalHeader()->hide();
  StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  StringGrid1->setColumnWidth(kNameColumn, 586);
  FitLevelColumn();
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setShowGrid(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ChangePass);
  buttons->addWidget(Delete);
  buttons->addWidget(AddUser);
  buttons->addWidget(BitBtn1);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(StringGrid1, 1);
  // Sized to the grid's two columns.
  resize(586 + StringGrid1->columnWidth(kLevelColumn) + 2 * StringGrid1->frameWidth() +
             layout->contentsMargins().left() + layout->contentsMargins().right() + 20,
         360);

  connect(ChangePass, &QPushButton::clicked, this, &TEditUsers::ChangePassClick);
  connect(Delete, &QPushButton::clicked, this, &TEditUsers::DeleteClick);
  connect(AddUser, &QPushButton::clicked, this, &TEditUsers::AddUserClick);
  connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, &TEditUsers::StringGrid1DblClick);
}

// The level column is 69 wide, or as wide as its title where the font needs
// more (a learner's text size may have grown since the window was made).
void TEditUsers::FitLevelColumn() {
  StringGrid1->setColumnWidth(
      kLevelColumn, std::max(69, StringGrid1->horizontalHeader()->sectionSizeHint(kLevelColumn)));
}

void TEditUsers::showEvent(QShowEvent* event) {
  FitLevelColumn();
  QDialog::showEvent(event);
}

void TEditUsers::OpenEditor() {
  if (!MayEditUsers(users_, dialogs_)) return;
  // Users may have been changed by other programs since the log-in.
  users_.Reread();
  FillGrid();
  exec();
}

void TEditUsers::FillGrid() {
  const int current = StringGrid1->currentRow();
  const int count = users_.UserCount();
  StringGrid1->setRowCount(count);
  for (int i = 1; i <= count; ++i) {
    const UserRecord user = users_.ReadUser(static_cast<LineNo>(i));
    StringGrid1->setItem(i - 1, kNameColumn,
                         new QTableWidgetItem(QString::fromStdString(user.name)));
    StringGrid1->setItem(i - 1, kLevelColumn, new QTableWidgetItem(QString::number(user.level)));
  }
  // Like a text grid, there is always a current row while there are users.
  if (count > 0) {
    StringGrid1->setCurrentCell(std::clamp(current, 0, count - 1),
                                std::max(StringGrid1->currentColumn(), 0));
  }
}

std::string TEditUsers::SelectedName() const {
  const QTableWidgetItem* item = StringGrid1->item(StringGrid1->currentRow(), kNameColumn);
  return item != nullptr ? item->text().toStdString() : std::string();
}

void TEditUsers::ChangePassClick() {
  users_.ChangePassword(SelectedName());
}

void TEditUsers::DeleteClick() {
  users_.DeleteUser(SelectedName());
  FillGrid();
}

void TEditUsers::AddUserClick() {
  users_.AddUser();
  FillGrid();
}

void TEditUsers::StringGrid1DblClick() {
  if (StringGrid1->currentColumn() == kNameColumn) {
    RefuseNameEdit(dialogs_);
    return;
  }
  const QTableWidgetItem* level = StringGrid1->item(StringGrid1->currentRow(), kLevelColumn);
  if (level == nullptr) return;
  if (ChangeUserLevel(users_, dialogs_, SelectedName(), level->text().toStdString())) FillGrid();
}

}  // namespace orv
