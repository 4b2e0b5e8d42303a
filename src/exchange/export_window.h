#pragma once
// Export from the list editor: the save dialog with the formats, then the
// list written with its stored sounds.
#include <string>

#include "exchange/listexport.h"

class QWidget;

namespace orv {

class Dialogs;

// Asks for the file and its format (by the dialog's filter), writes the list
// called name there and tells what was written, with the note of its
// generated questions, or why it failed.
void ExportListWindow(QWidget* parent, Dialogs& dialogs, const std::string& name,
                      const BufferO& lines, const StoredSound& soundOf);

}  // namespace orv
