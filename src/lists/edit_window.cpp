#include "lists/edit_window.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>
#include <iostream>

#include "base/dialogs.h"
#include "base/translate.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "files/filelayer.h"
#include "files/writefailure.h"
#include "lists/cleanlist.h"
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
  setWindowTitle(Tr("TEditOrv", "Edit Orv file"));

  auto* menu = new QMenuBar(this);
  menu->setObjectName("MainMenu1");
  QMenu* file1 = menu->addMenu(Tr("TEditOrv", "&File"));
  file1->setObjectName("File1");
  Save1 = file1->addAction(Tr("TEditOrv", "&Save"));
  Save1->setObjectName("Save1");
  QAction* deleteLinefeeds1 = file1->addAction(Tr("TEditOrv", "Delete Linefeeds"));
  deleteLinefeeds1->setObjectName("DeleteLinefeeds1");
  QAction* print1 = file1->addAction(Tr("TEditOrv", "Print"));
  print1->setObjectName("Print1");
  Export1 = file1->addAction(Tr("TEditOrv", "Ex&port..."));
  Export1->setObjectName("Export1");
  Export1->setVisible(false);
  file1->addSeparator();
  QAction* exit1 = file1->addAction(Tr("TEditOrv", "&Exit"));
  exit1->setObjectName("Exit1");
  QAction* viewcompiled1 = menu->addAction(Tr("TEditOrv", "&View compiled"));
  viewcompiled1->setObjectName("viewcompiled1");

  RichEdit1 = new QPlainTextEdit(this);
  RichEdit1->setObjectName("RichEdit1");
  RichEdit1->setAccessibleName(Tr("TEditOrv", "Word list"));
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
  connect(Export1, &QAction::triggered, this, [this] {
    BufferO lines;
    for (const std::string& line : Lines()) lines.Add(line);
    CleanList(lines, IsNameList(path_));
    export_(BaseName(path_), lines);
  });
  connect(exit1, &QAction::triggered, this, &QDialog::accept);
  connect(viewcompiled1, &QAction::triggered, this, &TEditOrv::viewcompiled1Click);
}

void TEditOrv::EditList(const std::string& path) {
  path_ = path;
  if (!MayEditList(host_.Editor(), OwnerLine(path))) {
    dialogs_.Warning(TrText("TEditOrv", "Access denied"));
    return;
  }
  // A list that cannot be read opens empty, ready to be written; one that
  // is there but unreadable is not replaced without a warning.
  const int code = LoadListFile(file_, path);
  unreadable_ = code != 0 && code != 2 && code != 3 ? ErrorTextAt(code, path) : std::string();
  if (const std::optional<ListFile> unsaved = OfferUnsaved(path)) {
    Show(unsaved->lines, false, true);
  } else {
    ShowLines(file_.lines, false);
  }
  unreadable_.clear();
  unsavedShown_.clear();
}

std::optional<ListFile> TEditOrv::OfferUnsaved(const std::string& path) {
  // Named after the list's file as it is spelt on the disk.
  const std::string list = NativePath(path);
  const std::string kept = UnsavedListPath(list);
  if (!FileFound(kept)) return std::nullopt;
  ListFile unsaved;
  if (const int code = LoadListFile(unsaved, kept); code != 0) {
    dialogs_.Warning(
        Filled(TrText("TEditOrv",
                      "The changes to %1 that were not saved when Orv last ended are in "
                      "%2, which could not be read: %3"),
               list, kept, ErrorText(code)));
    return std::nullopt;
  }
  if (dialogs_.ConfirmYesNo(
          Filled(TrText("TEditOrv",
                        "Orv ended before the changes to %1 were saved; they were kept in %2. Open "
                        "the changed text? (No opens the list as it was saved and deletes the "
                        "changes.)"),
                 list, kept))) {
    unsavedShown_ = kept;
    return unsaved;
  }
  if (const int code = EraseFile(kept); code != 0) {
    dialogs_.Error(Filled(TrText("TEditOrv", "Could not delete %1: %2"), kept, ErrorText(code)));
  }
  return std::nullopt;
}

void TEditOrv::ViewList(const std::string& path) {
  path_ = path;
  LoadListFile(file_, path);
  ShowLines(file_.lines, true);
}

int TEditOrv::ShowLines(const BufferO& buffer, bool readOnly) {
  return Show(buffer, readOnly, false);
}

int TEditOrv::Show(const BufferO& buffer, bool readOnly, bool modified) {
  QStringList lines;
  lines.reserve(buffer.Count());
  for (LineNo i : LineNumbers(buffer.Count())) {
    lines.append(QString::fromStdString(buffer.Line(i)));
  }
  RichEdit1->setPlainText(lines.join('\n'));
  RichEdit1->document()->setModified(modified);
  RichEdit1->setReadOnly(readOnly);
  Save1->setEnabled(!readOnly);
  CentreOnScreen(this);
  const int result = exec();
  // The program's end stops the window without closing it.
  if (host_.ProgramEnding()) KeepUnsaved();
  return result;
}

bool TEditOrv::SaveText() {
  if (!RichEdit1->document()->isModified() || path_.empty()) return true;
  if (!dialogs_.ConfirmYesNo(TrText("TEditOrv", "Save changes"))) return true;
  if (!unreadable_.empty() &&
      !dialogs_.ConfirmYesNo(
          Filled(TrText("TEditOrv",
                        "The list %1 could not be read (%2), so this window did not show it. "
                        "Saving replaces it with the text shown here. Replace it?"),
                 path_, unreadable_),
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
  if (code != 0)
    dialogs_.Error(ChangeFailureText(target, code, TrText("TEditOrv", "the word lists")));
  return code == 0;
}

void TEditOrv::PrintText(QPrinter& printer) {
  printer.setDocName(QString::fromStdString(host_.CurrentFile()));
  RichEdit1->print(&printer);
}

void TEditOrv::done(int result) {
  // The text is not thrown away when it could not be saved.
  if (!SaveText()) return;
  // "Save changes" goes unanswered once the program is ending.
  if (host_.ProgramEnding()) {
    KeepUnsaved();
  } else if (!unsavedShown_.empty()) {
    if (const int code = EraseFile(unsavedShown_); code != 0) {
      dialogs_.Error(
          Filled(TrText("TEditOrv", "Could not delete %1: %2"), unsavedShown_, ErrorText(code)));
    }
  }
  unsavedShown_.clear();
  RichEdit1->clear();
  QDialog::done(result);
}

void TEditOrv::KeepUnsaved() {
  if (!RichEdit1->document()->isModified() || RichEdit1->isReadOnly() || path_.empty()) return;
  const std::string list = NativePath(path_);
  const std::string target = UnsavedListPath(list);
  if (const int code = SaveListFile(EditedListFile(file_, Lines()), target); code != 0) {
    std::cerr << "orv: the unsaved changes to " << list << " could not be kept in " << target
              << ": " << ErrorText(code) << "\n";
    return;
  }
  // Kept once: the window's close at the very end must not write it again.
  RichEdit1->document()->setModified(false);
}

std::vector<std::string> TEditOrv::Lines() const {
  std::vector<std::string> lines;
  const QString text = RichEdit1->toPlainText();
  // An empty editor holds no lines, not one empty line.
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split('\n')) lines.push_back(line.toStdString());
  return lines;
}

void TEditOrv::SetExport(ExportList exportList) {
  export_ = std::move(exportList);
  Export1->setVisible(static_cast<bool>(export_));
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
