#include "lists/viewconpiled_window.h"

#include <QKeySequence>
#include <QMenuBar>
#include <QPushButton>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "base/dialogs.h"
#include "base/errors.h"
#include "base/translate.h"
#include "lists/listfile.h"
#include "lists/viewconpiled.h"

namespace orv {
namespace {

const QColor kPurple(0x80, 0x00, 0x80);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kGreen(0x00, 0x80, 0x00);

QTextCharFormat Format(const QColor& color, bool bold, bool italic, bool struckOut) {
  QTextCharFormat format;
  format.setForeground(color);
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(italic);
  format.setFontStrikeOut(struckOut);
  return format;
}

QTextCharFormat FormatOf(ViewLineKind kind) {
  switch (kind) {
    case ViewLineKind::Directive:
      return Format(Qt::black, true, false, false);
    case ViewLineKind::NoResult:
      return Format(Qt::black, false, false, true);
    case ViewLineKind::Plain:
      return Format(kPurple, false, false, false);
    case ViewLineKind::Expression:
      return Format(kBlue, false, false, false);
    case ViewLineKind::Failure:
      return Format(kGreen, false, true, true);
    case ViewLineKind::Result:
      break;
  }
  return Format(kGreen, false, true, false);
}

// Where the cursor is, one new line with the format applied to it.
void AppendLine(QTextCursor& cursor, bool first, const ViewLine& line) {
  const QTextCharFormat format = FormatOf(line.kind);
  if (first) {
    cursor.setBlockCharFormat(format);
  } else {
    cursor.insertBlock(QTextBlockFormat(), format);
  }
  const QString text = QString::fromStdString(line.text);
  if (line.commentAt == std::string::npos) {
    cursor.insertText(text, format);
    return;
  }
  // The comment of an expression line is shown as what the compile cuts off.
  const auto at =
      static_cast<qsizetype>(QString::fromStdString(line.text.substr(0, line.commentAt)).size());
  cursor.insertText(text.left(at), format);
  cursor.insertText(text.mid(at), Format(Qt::black, false, false, true));
}

}  // namespace

TCompiledView::TCompiledView(Dialogs& dialogs, CompileSettings& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowContextHelpButtonHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs),
      settings_(settings) {
  setObjectName("CompiledView");
  setWindowTitle(Tr("TCompiledView", "Compiled Viewtest"));

  auto* menu = new QMenuBar(this);
  QMenu* file1 = menu->addMenu(Tr("TCompiledView", "File"));
  file1->setObjectName("File1");
  QAction* print1 = file1->addAction(Tr("TCompiledView", "Print"));
  print1->setObjectName("Print1");
  print1->setShortcut(QKeySequence("Ctrl+P"));
  file1->addSeparator();
  QAction* n1 = file1->addAction(Tr("TCompiledView", "E&xit"));
  n1->setObjectName("N1");

  RichEdit1 = new QTextEdit(this);
  RichEdit1->setObjectName("RichEdit1");
  RichEdit1->setAccessibleName(Tr("TCompiledView", "Compiled list"));
  RichEdit1->setReadOnly(true);
  RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
  RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->viewport()->setCursor(Qt::CrossCursor);

  BitBtn1 = new QPushButton(Tr("TCompiledView", "&Retry"), this);
  BitBtn1->setObjectName("BitBtn1");

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menu);
  layout->addWidget(RichEdit1, 1);
  layout->addWidget(BitBtn1, 0, Qt::AlignLeft);
  resize(560, 440);
  RichEdit1->setFocus();

  connect(n1, &QAction::triggered, this, &QDialog::accept);
  connect(BitBtn1, &QPushButton::clicked, this, &TCompiledView::BitBtn1Click);
}

int TCompiledView::ShowCompiled(const std::string& path) {
  // Each line is read in its own encoding, as a test reads the list.
  ListFile file;
  LoadListFile(file, path);
  FillView(file.lines);
  source_ = &file.lines;
  const int result = exec();
  source_ = nullptr;
  return result;
}

void TCompiledView::FillView(const BufferO& buffer) {
  const std::vector<ViewLine> lines = CompiledViewLines(buffer, settings_);
  RichEdit1->clear();
  QTextCursor cursor(RichEdit1->document());
  for (std::size_t i = 0; i < lines.size(); ++i) AppendLine(cursor, i == 0, lines[i]);
  RichEdit1->moveCursor(QTextCursor::Start);
}

void TCompiledView::BitBtn1Click() {
  if (source_ == nullptr) return;
  // The view is redrawn once when the new lines are all in, as if hidden
  // while they are compiled; hiding the window would end its modal showing.
  RichEdit1->setUpdatesEnabled(false);
  try {
    FillView(*source_);
  } catch (const E_Orv_Error& e) {
    dialogs_.Error(e.what());
  }
  RichEdit1->setUpdatesEnabled(true);
}

}  // namespace orv
