#pragma once
// The list editor: shows a list as plain text, lets its owner or a super
// user change and save it, and shows the text compiled.
#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lists/buffers.h"
#include "lists/listfile.h"

class QAction;
class QPlainTextEdit;
class QPrinter;

namespace orv {

class Dialogs;
class ListEditHost;
class TCompiledView;

class TEditOrv : public QDialog {
  Q_OBJECT

 public:
  TEditOrv(const ListEditHost& host, Dialogs& dialogs, TCompiledView& view,
           QWidget* parent = nullptr);

  // Opens the list for editing when the logged-in user owns it or is a super
  // user; shows "Access denied" otherwise.
  void EditList(const std::string& path);
  // Opens the list read-only.
  void ViewList(const std::string& path);
  // Shows the lines in the editor, modally. Returns the modal result.
  int ShowLines(const BufferO& buffer, bool readOnly);
  // Saves a changed text to the list it came from after "Save changes" is
  // answered Yes. False when that save failed.
  bool SaveText();
  // Prints the text on the printer, the job named after the current list.
  void PrintText(QPrinter& printer);

  const std::string& ListPath() const { return path_; }

  // What "Export..." does with the list shown: its name and its cleaned
  // lines. The menu item is there once this is given.
  using ExportList = std::function<void(const std::string& name, const BufferO& lines)>;
  void SetExport(ExportList exportList);

  // Every way of closing the window ends here: a changed text is offered
  // for saving, then the editor is emptied; a failed save keeps it open.
  // When the program is ending, a changed text is kept beside the list.
  void done(int result) override;

 private:
  int Show(const BufferO& buffer, bool readOnly, bool modified);
  // The text kept from a session the program's end cut short, when the
  // user wants it shown instead of the list; std::nullopt otherwise (a No
  // deletes it).
  std::optional<ListFile> OfferUnsaved(const std::string& path);
  // Writes a changed, editable text beside the list (UnsavedListPath). The
  // program is ending, so a failure can only be told on standard error.
  void KeepUnsaved();
  std::vector<std::string> Lines() const;
  // Writes the editor's lines to the file in the list's own forms, telling a
  // failure; true when written.
  bool WriteLines(const std::string& target);
  void DeleteLinefeeds1Click();
  void Print1Click();
  void viewcompiled1Click();

  const ListEditHost& host_;
  Dialogs& dialogs_;
  TCompiledView& view_;
  std::string path_;
  // The list as its file spelled it, so that saving keeps its encoding and
  // line ends.
  ListFile file_;
  // Why the list being edited could not be read; empty when it could.
  std::string unreadable_;
  // The file of the unsaved text the editor shows, removed once the editor
  // closes with the text saved or given up; empty when none is shown.
  std::string unsavedShown_;
  QPlainTextEdit* RichEdit1;
  QAction* Save1;
  QAction* Export1;
  ExportList export_;
};

}  // namespace orv
