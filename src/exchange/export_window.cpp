#include "exchange/export_window.h"

#include <QFileDialog>
#include <QStringList>

#include "base/dialogs.h"
#include "base/translate.h"

namespace orv {

void ExportListWindow(QWidget* parent, Dialogs& dialogs, const std::string& name,
                      const BufferO& lines, const StoredSound& soundOf) {
  const QStringList filters = {Tr("export_window", "CSV for spreadsheets (*.csv)"),
                               Tr("export_window", "KVTML 2.0 (*.kvtml)"),
                               Tr("export_window", "Anki text (*.txt)")};
  const ExportFormat formats[] = {ExportFormat::Csv, ExportFormat::Kvtml, ExportFormat::Anki};
  const char* extensions[] = {".csv", ".kvtml", ".txt"};
  QString filter = filters[0];
  QString file = QFileDialog::getSaveFileName(parent, Tr("export_window", "Export list"),
                                              QString::fromStdString(name) + extensions[0],
                                              filters.join(";;"), &filter);
  if (file.isEmpty()) return;
  const auto which = static_cast<std::size_t>(std::max<qsizetype>(0, filters.indexOf(filter)));
  if (!file.contains('.')) file += extensions[which];
  const ExportedList list = ExportedListOf(name, lines);
  if (const std::string why = WriteExport(formats[which], {list}, file.toStdString(), soundOf);
      !why.empty()) {
    dialogs.Error(TrText("export_window", "The list could not be written: ") + why);
    return;
  }
  const std::string note = GeneratedNote(list);
  dialogs.Information(
      Filled(TrText("export_window", "\"%1\" is written to %2"), name, file.toStdString()) +
      (note.empty() ? "." : ".\n" + note));
}

}  // namespace orv
