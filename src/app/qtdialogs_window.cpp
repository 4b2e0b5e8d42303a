#include "app/qtdialogs_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

#include "app/login_window.h"
#include "base/errors.h"
#include "base/platform.h"
#include "base/translate.h"

namespace orv {
namespace {

QMessageBox::Icon IconOf(MsgKind kind) {
  switch (kind) {
    case MsgKind::Error:
      return QMessageBox::Critical;
    case MsgKind::Warning:
      return QMessageBox::Warning;
    case MsgKind::Information:
      return QMessageBox::Information;
    case MsgKind::Confirmation:
      return QMessageBox::Question;
    case MsgKind::Plain:
      break;
  }
  return QMessageBox::NoIcon;
}

QString TitleOf(MsgKind kind) {
  switch (kind) {
    case MsgKind::Error:
      return Tr("QtDialogs", "Error");
    case MsgKind::Warning:
      return Tr("QtDialogs", "Warning");
    case MsgKind::Information:
      return Tr("QtDialogs", "Information");
    case MsgKind::Confirmation:
      return Tr("QtDialogs", "Confirm");
    case MsgKind::Plain:
      break;
  }
  return QApplication::applicationName();
}

QMessageBox::StandardButtons ButtonsOf(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesCancel:
      return QMessageBox::Yes | QMessageBox::Cancel;
    case MsgButtons::Cancel:
      return QMessageBox::Cancel;
    case MsgButtons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

MsgAnswer AnswerOf(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return MsgAnswer::Yes;
    case QMessageBox::No:
      return MsgAnswer::No;
    case QMessageBox::Ok:
      return MsgAnswer::Ok;
    default:
      return MsgAnswer::Cancel;
  }
}

}  // namespace

MsgAnswer QtDialogs::Message(MsgKind kind, const std::string& text, MsgButtons buttons) {
  QMessageBox box(IconOf(kind), TitleOf(kind), QString::fromStdString(text), ButtonsOf(buttons),
                  parent_);
  box.setObjectName("OrvMessage");
  // Escape answers No where there is no Cancel, as a closed box would.
  if (buttons == MsgButtons::YesNo) box.setEscapeButton(QMessageBox::No);
  return AnswerOf(box.exec());
}

std::optional<std::string> QtDialogs::Input(const std::string& caption, const std::string& prompt,
                                            const std::string& preset) {
  bool accepted = false;
  const QString text = QInputDialog::getText(parent_, QString::fromStdString(caption),
                                             QString::fromStdString(prompt), QLineEdit::Normal,
                                             QString::fromStdString(preset), &accepted);
  if (!accepted) return std::nullopt;
  return text.toStdString();
}

TLoginForm& QtDialogs::Login() {
  if (login_ == nullptr)
    throw E_Orv_Error(TrText("QtDialogs", "The log-in window has not been created"));
  return *login_;
}

LoginEntry QtDialogs::AskLogin() {
  return Login().AskLogin();
}

std::optional<std::pair<std::string, std::string>> QtDialogs::AskNewPasswordTwice() {
  auto entries = Login().AskNewPasswordTwice();
  // A window closed by the program's end was answered by nobody.
  if (QuitRequested()) throw EProgramEnding();
  return entries;
}

FileDialogResult QtDialogs::OpenFile(const FileDialogRequest& request) {
  QFileDialog dialog(parent_, QString::fromStdString(request.caption),
                     QString::fromStdString(request.initialDir),
                     QString::fromStdString(QtFileFilter(request.filter)));
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
  if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
  const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
  if (!accepted) return {false, request.fileName};
  return {true, dialog.selectedFiles().first().toStdString()};
}

std::string QtFileFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString name = parts[i];
    const QString masks = QString(parts[i + 1]).replace(';', ' ');
    // The name often repeats its masks already: "files(*.gdb)".
    if (!name.contains('(')) name += " (" + masks + ")";
    filters << name;
  }
  if (parts.size() % 2 == 1 && !parts.last().isEmpty()) filters << parts.last();
  return filters.join(";;").toStdString();
}

}  // namespace orv
