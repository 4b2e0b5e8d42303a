#pragma once
// The compiled view: every source line of a list with what the compiler
// makes of it, in colours and font styles, so that mistakes in expression
// lines show before a test.
#include <QDialog>
#include <string>

#include "lists/buffers.h"
#include "lists/compilesettings.h"

class QPushButton;
class QTextEdit;

namespace orv {

class Dialogs;

class TCompiledView : public QDialog {
  Q_OBJECT

 public:
  // The settings are the program's: the view starts in the script mode the
  // last compile or view left.
  TCompiledView(Dialogs& dialogs, CompileSettings& settings, QWidget* parent = nullptr);

  // Shows the lines of the file compiled; the file's lines are kept while the
  // window is open so Retry compiles them again. Returns the modal result.
  int ShowCompiled(const std::string& path);

  // Compiles the lines and shows each with what it compiles to.
  void FillView(const BufferO& buffer);

 private:
  void BitBtn1Click();

  Dialogs& dialogs_;
  CompileSettings& settings_;
  QTextEdit* RichEdit1;
  QPushButton* BitBtn1;
  const BufferO* source_ = nullptr;
};

}  // namespace orv
