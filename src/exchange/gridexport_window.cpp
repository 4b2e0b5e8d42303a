#include "exchange/gridexport_window.h"

#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include "base/dialogs.h"
#include "base/translate.h"
#include "exchange/tabletext.h"
#include "files/safesave.h"
#include "files/writefailure.h"

namespace orv {

TGridExport::TGridExport(QAbstractItemModel& model, const QString& title, Dialogs& dialogs,
                         QWidget* parent)
    : QToolButton(parent), model_(model), dialogs_(dialogs), title_(title) {
  setObjectName("GridExport");
  setText(Tr("TGridExport", "E&xport"));
  setToolTip(Tr("TGridExport", "Save the rows shown as CSV, or print them (also to a PDF file)"));
  setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(this);
  SaveCsvAction = menu->addAction(Tr("TGridExport", "Save as &CSV..."));
  SaveCsvAction->setObjectName("SaveCsvAction");
  PrintAction = menu->addAction(Tr("TGridExport", "&Print..."));
  PrintAction->setObjectName("PrintAction");
  setMenu(menu);
  connect(SaveCsvAction, &QAction::triggered, this, &TGridExport::SaveCsvClick);
  connect(PrintAction, &QAction::triggered, this, &TGridExport::PrintClick);
}

void TGridExport::FetchAll() {
  while (model_.canFetchMore({})) model_.fetchMore({});
}

bool TGridExport::SaveCsv(const QString& path) {
  FetchAll();
  const int code = WriteFileSafely(path.toStdString(), CsvText(model_));
  if (code == 0) return true;
  dialogs_.Error(Filled(TrText("TGridExport", "Could not write %1: %2"), path.toStdString(),
                        WriteFailureText(path.toStdString(), code)));
  return false;
}

void TGridExport::Print(QPrinter& printer) {
  FetchAll();
  QTextDocument document;
  document.setHtml(HtmlTable(model_, title_));
  document.print(&printer);
}

void TGridExport::SaveCsvClick() {
  const QString path = QFileDialog::getSaveFileName(window(), Tr("TGridExport", "Save as CSV"),
                                                    QDir::home().filePath(title_ + ".csv"),
                                                    Tr("TGridExport", "CSV files (*.csv)"));
  if (!path.isEmpty()) SaveCsv(path);
}

void TGridExport::PrintClick() {
  QPrinter printer;
  printer.setDocName(title_);
  QPrintDialog dialog(&printer, window());
  if (dialog.exec() == QDialog::Accepted) Print(printer);
}

}  // namespace orv
