#include "lists/edit_window.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include "base/dialogs.h"
#include "files/errortext.h"
#include "lists/edit.h"
#include "lists/editedlist.h"
#include "lists/listedithost.h"
#include "lists/owner.h"
#include "lists/viewconpiled_window.h"
#include "widgets/formhelpers_window.h"

namespace orv {

TEditOrv::TEditOrv(const ListEditHost& host, Dialogs& dialogs, TCompiledView& view, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowContextHelpButtonHint | Qt::WindowCloseButtonHint),
      host_(host),
      dialogs_(dialogs),
      view_(view) {
  setObjectName("EditOrv");
  setWindowTitle("Edit Orv file");

  auto* menu = new QMenuBar(this);
  menu->setObjectName("MainMenu1");
  QMenu* file1 = menu->addMenu("&File");
  file1->setObjectName("File1");
  Save1 = file1->addAction("&Save");
  Save1->setObjectName("Save1");
  QAction* deleteLinefeeds1 = file1->addAction("Delete Linefeeds");
  deleteLinefeeds1->setObjectName("DeleteLinefeeds1");
  QAction* print1 = file1->addAction("Print");
  print1->setObjectName("Print1");
  file1->addSeparator();
  QAction* exit1 = file1->addAction("&Exit");
  exit1->setObjectName("Exit1");
  QAction* viewcompiled1 = menu->addAction("&View compiled");
  viewcompiled1->setObjectName("viewcompiled1");

  RichEdit1 = new QPlainTextEdit(this);
  RichEdit1->setObjectName("RichEdit1");
  RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
  RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setMenuBar(menu);
  layout->addWidget(RichEdit1);
  resize(520, 420);

  connect(Save1, &QAction::triggered, this, &TEditOrv::SaveText);
  connect(deleteLinefeeds1, &QAction::triggered, this, &TEditOrv::DeleteLinefeeds1Click);
  connect(print1, &QAction::triggered, this, &TEditOrv::Print1Click);
  connect(exit1, &QAction::triggered, this, &QDialog::accept);
  connect(viewcompiled1, &QAction::triggered, this, &TEditOrv::viewcompiled1Click);
}

void TEditOrv::EditList(const std::string& path) {
  path_ = path;
  if (!MayEditList(host_.Editor(), OwnerLine(path))) {
    dialogs_.Warning("Access denied");
    return;
  }
  // A list that cannot be read opens empty, ready to be written; one that
  // is there but unreadable is not replaced without a warning.
  const int code = LoadListFile(file_, path);
  unreadable_ = code != 0 && code != 2 && code != 3 ? ErrorTextAt(code, path) : std::string();
  ShowLines(file_.lines, false);
  unreadable_.clear();
}

void TEditOrv::ViewList(const std::string& path) {
  path_ = path;
  LoadListFile(file_, path);
  ShowLines(file_.lines, true);
}

int TEditOrv::ShowLines(const BufferO& buffer, bool readOnly) {
  QStringList lines;
  lines.reserve(buffer.Count());
  for (LineNo i : LineNumbers(buffer.Count())) {
    lines.append(QString::fromStdString(buffer.Line(i)));
  }
  RichEdit1->setPlainText(lines.join('\n'));
  RichEdit1->document()->setModified(false);
  RichEdit1->setReadOnly(readOnly);
  Save1->setEnabled(!readOnly);
  CentreOnScreen(this);
  return exec();
}

bool TEditOrv::SaveText() {
  if (!RichEdit1->document()->isModified() || path_.empty()) return true;
  if (!dialogs_.ConfirmYesNo("Save changes")) return true;
  if (!unreadable_.empty() &&
      !dialogs_.ConfirmYesNo("The list " + path_ + " could not be read (" + unreadable_ +
                                 "), so this window did not show it. Saving replaces it with the "
                                 "text shown here. Replace it?",
                             MsgKind::Warning)) {
    return true;
  }
  // A save that fails is told, and the text stays marked as changed.
  if (!WriteLines(path_)) return false;
  RichEdit1->document()->setModified(false);
  return true;
}

bool TEditOrv::WriteLines(const std::string& target) {
  const int code = SaveListFile(EditedListFile(file_, Lines()), target);
  if (code != 0) dialogs_.Error(ErrorTextAt(code, target));
  return code == 0;
}

void TEditOrv::PrintText(QPrinter& printer) {
  printer.setDocName(QString::fromStdString(host_.CurrentFile()));
  RichEdit1->print(&printer);
}

void TEditOrv::done(int result) {
  // The text is not thrown away when it could not be saved.
  if (!SaveText()) return;
  RichEdit1->clear();
  QDialog::done(result);
}

std::vector<std::string> TEditOrv::Lines() const {
  std::vector<std::string> lines;
  const QString text = RichEdit1->toPlainText();
  // An empty editor holds no lines, not one empty line.
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split('\n')) lines.push_back(line.toStdString());
  return lines;
}

void TEditOrv::DeleteLinefeeds1Click() {
  const std::vector<std::string> lines = Lines();
  if (lines.empty()) return;
  RichEdit1->setPlainText(QString::fromStdString(JoinedLines(lines)));
  RichEdit1->document()->setModified(false);
  RichEdit1->setReadOnly(true);
  Save1->setEnabled(false);
}

void TEditOrv::Print1Click() {
  QPrinter printer;
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) PrintText(printer);
}

void TEditOrv::viewcompiled1Click() {
  // Only a copy is written: the text keeps its changed mark, so closing still
  // offers to save the list itself. A copy that could not be written would
  // show an older text compiled.
  const std::string temp = host_.ProgramDir() + "compile temp.orv";
  if (WriteLines(temp)) view_.ShowCompiled(temp);
}

}  // namespace orv
