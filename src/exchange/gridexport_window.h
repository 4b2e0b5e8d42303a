#pragma once
// The button that takes a grid away: saved as CSV for a spreadsheet, or
// printed (a PDF file is one of the print dialog's printers).
#include <QString>
#include <QToolButton>

class QAbstractItemModel;
class QPrinter;

namespace orv {

class Dialogs;

class TGridExport : public QToolButton {
  Q_OBJECT

 public:
  // The title heads the printed pages and names the file offered. Rows the
  // model has not fetched yet are fetched before saving or printing.
  TGridExport(QAbstractItemModel& model, const QString& title, Dialogs& dialogs, QWidget* parent);
  void SetTitle(const QString& title) { title_ = title; }

  // Writes the grid as CSV; an error box when the file cannot be written.
  bool SaveCsv(const QString& path);
  void Print(QPrinter& printer);

 private:
  void SaveCsvClick();
  void PrintClick();
  void FetchAll();

  QAction* SaveCsvAction;
  QAction* PrintAction;
  QAbstractItemModel& model_;
  Dialogs& dialogs_;
  QString title_;
};

}  // namespace orv
