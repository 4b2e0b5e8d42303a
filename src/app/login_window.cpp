#include "app/login_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>

#include "app/getuser.h"
#include "base/strings.h"
#include "base/translate.h"
#include "users/password.h"
#include "widgets/formhelpers_window.h"

namespace orv {

TLoginForm::TLoginForm(const PasswordO& users, const ProgramPaths& paths, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowTitleHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      users_(users),
      paths_(paths) {
  setObjectName("LoginForm");
  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label2 = new QLabel(this);
  Label2->setObjectName("Label2");
  Label3 = new QLabel(this);
  Label3->setObjectName("Label3");
  UsersList = new QComboBox(this);
  UsersList->setObjectName("UsersList");
  UsersList->setEditable(true);
  UsersList->setInsertPolicy(QComboBox::NoInsert);
  UsersList->setMaxVisibleItems(15);
  UsersList->setMinimumWidth(200);
  SetHint(UsersList, Tr("TLoginForm", "Select user from drop down list"));
  Name = new QLineEdit(this);
  Name->setObjectName("Name");
  Name->hide();
  SetHint(Name, Tr("TLoginForm", "Enter new password here"));
  Pasword = new QLineEdit(this);
  Pasword->setObjectName("Pasword");
  Pasword->setEchoMode(QLineEdit::Password);
  SetHint(Pasword, Tr("TLoginForm", "Enter password here"));
  ok = new QPushButton(Tr("TLoginForm", "OK"), this);
  ok->setObjectName("ok");
  BitBtn2 = new QPushButton(Tr("TLoginForm", "Cancel"), this);
  BitBtn2->setObjectName("BitBtn2");
  // Enter goes to the password box first; only there does it press OK.
  ok->setAutoDefault(false);
  BitBtn2->setAutoDefault(false);

  auto* fields = new QGridLayout;
  fields->addWidget(Label2, 0, 0);
  fields->addWidget(UsersList, 0, 1);
  fields->addWidget(Name, 1, 1);
  fields->addWidget(Label3, 2, 0);
  fields->addWidget(Pasword, 2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  SetLoginTexts();
  waitTimer_ = new QTimer(this);
  waitTimer_->setInterval(1000);

  connect(waitTimer_, &QTimer::timeout, this, &TLoginForm::ShowWait);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
  connect(UsersList, &QComboBox::currentTextChanged, this, &TLoginForm::UsersListChange);
  UsersList->installEventFilter(this);
  if (UsersList->lineEdit() != nullptr) UsersList->lineEdit()->installEventFilter(this);
  Name->installEventFilter(this);
  Pasword->installEventFilter(this);
}

void TLoginForm::SetLoginTexts() {
  setWindowTitle(Tr("TLoginForm", "Login"));
  Label1->setText(Tr("TLoginForm", "Enter user name and password"));
  Label2->setText(Tr("TLoginForm", "Name"));
  Label3->setText(Tr("TLoginForm", "        Pasword"));
  // The labels name their boxes for a screen reader.
  Label2->setBuddy(UsersList);
  Label3->setBuddy(Pasword);
}

LoginEntry TLoginForm::AskLogin() {
  UsersList->show();
  Name->hide();
  Pasword->clear();
  waitTimer_->start();
  const bool accepted = exec() == QDialog::Accepted;
  waitTimer_->stop();
  ok->setEnabled(true);
  SetLoginTexts();
  if (!accepted) return {"No user", ""};
  return {UsersList->currentText().toStdString(), Pasword->text().toStdString()};
}

void TLoginForm::ShowWait() {
  if (!waitTimer_->isActive()) return;
  const std::string name = UsersList->currentText().toStdString();
  const std::int64_t wait = users_.SecondsToWait(UpperAZ(name));
  ok->setEnabled(wait == 0);
  if (wait == 0) {
    Label1->setText(Tr("TLoginForm", "Enter user name and password"));
  } else {
    Label1->setText(Tr("TLoginForm", "Wait %1 s before the next log-in as %2")
                        .arg(QString::number(wait), QString::fromStdString(name)));
  }
}

std::optional<std::pair<std::string, std::string>> TLoginForm::AskNewPasswordTwice() {
  UsersList->hide();
  Name->show();
  Name->setEchoMode(QLineEdit::Password);
  Name->clear();
  Pasword->clear();
  Label3->setText(Tr("TLoginForm", "Confirm password"));
  Label2->setText(Tr("TLoginForm", "Password"));
  Label2->setBuddy(Name);
  Label1->setText(Tr("TLoginForm", "Enter new password twice"));
  setWindowTitle(Tr("TLoginForm", "Passwords"));
  const bool accepted = exec() == QDialog::Accepted;
  std::optional<std::pair<std::string, std::string>> entries;
  if (accepted) entries.emplace(Name->text().toStdString(), Pasword->text().toStdString());
  Name->setEchoMode(QLineEdit::Normal);
  Name->clear();
  Pasword->clear();
  Name->hide();
  SetLoginTexts();
  Label3->setText(Tr("TLoginForm", "        Password"));
  return entries;
}

void TLoginForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  NameEnter();
}

void TLoginForm::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  FormHide();
}

void TLoginForm::NameEnter() {
  QStringList names;
  for (LineNo i : LineNumbers(users_.UserCount())) {
    names << QString::fromStdString(users_.UserName(i));
  }
  names.sort(Qt::CaseInsensitive);
  const QSignalBlocker quiet(UsersList);
  UsersList->clear();
  UsersList->addItems(names);
  UsersList->setCurrentIndex(-1);
  UsersList->setEditText(QString::fromStdString(LastUserName(paths_)));
  ShowWait();
  if (UsersList->isVisible()) {
    UsersList->setFocus();
  } else if (Name->isVisible()) {
    Name->setFocus();
  }
}

void TLoginForm::FormHide() {
  SaveLastUser(paths_, UsersList->currentText().toStdString());
}

void TLoginForm::UsersListChange() {
  Name->setText(UsersList->currentText());
  ShowWait();
  const int index = UsersList->currentIndex();
  if (index >= 0 && Pasword->isEnabled() &&
      UsersList->currentText() == UsersList->itemText(index)) {
    Pasword->setFocus();
  }
}

void TLoginForm::PaswordEnter() {
  ok->setDefault(true);
}

void TLoginForm::PaswordExit() {
  ok->setDefault(false);
}

bool TLoginForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Pasword) {
    if (event->type() == QEvent::FocusIn) PaswordEnter();
    if (event->type() == QEvent::FocusOut) PaswordExit();
    return QDialog::eventFilter(watched, event);
  }
  // NameKeyPress: Enter in the name box or the user list moves on to the password.
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      if (Pasword->isEnabled()) Pasword->setFocus();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace orv
