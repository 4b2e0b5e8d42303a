#include "exchange/export_window.h"

#include <QFileDialog>
#include <QStringList>

#include "base/dialogs.h"

namespace orv {

void ExportListWindow(QWidget* parent, Dialogs& dialogs, const std::string& name,
                      const BufferO& lines, const StoredSound& soundOf) {
  const QStringList filters = {"CSV for spreadsheets (*.csv)", "KVTML 2.0 (*.kvtml)",
                               "Anki text (*.txt)"};
  const ExportFormat formats[] = {ExportFormat::Csv, ExportFormat::Kvtml, ExportFormat::Anki};
  const char* extensions[] = {".csv", ".kvtml", ".txt"};
  QString filter = filters[0];
  QString file = QFileDialog::getSaveFileName(parent, "Export list",
                                              QString::fromStdString(name) + extensions[0],
                                              filters.join(";;"), &filter);
  if (file.isEmpty()) return;
  const auto which = static_cast<std::size_t>(std::max<qsizetype>(0, filters.indexOf(filter)));
  if (!file.contains('.')) file += extensions[which];
  const ExportedList list = ExportedListOf(name, lines);
  if (const std::string why = WriteExport(formats[which], {list}, file.toStdString(), soundOf);
      !why.empty()) {
    dialogs.Error("The list could not be written: " + why);
    return;
  }
  const std::string note = GeneratedNote(list);
  dialogs.Information("\"" + name + "\" is written to " + file.toStdString() +
                      (note.empty() ? "." : ".\n" + note));
}

}  // namespace orv
