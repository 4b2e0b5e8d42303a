#pragma once
// The list editor's view of the running program: who is logged in, the
// current list, the program folder, and whether the program is ending.
#include <string>

#include "lists/edit.h"

namespace orv {

class ListEditHost {
 public:
  virtual ~ListEditHost() = default;
  // Asked at each edit, since the user may have logged in since the last.
  virtual ListEditor Editor() const = 0;
  // The current list's file name, which names a print job.
  virtual std::string CurrentFile() const = 0;
  // Ends in the separator; the copy shown compiled is written there.
  virtual std::string ProgramDir() const = 0;
  // Whether the program has been told to end: the editor's window then
  // closes without anybody answering it.
  virtual bool ProgramEnding() const = 0;
};

}  // namespace orv
