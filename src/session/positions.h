#pragma once
// The question order of a test in random order: a position file holds the
// list lines not yet asked, one number a line, and carries them from one test
// to the next.
#include <string>

#include "base/dialogs.h"
#include "lists/buffers.h"
#include "session/ports.h"
#include "session/question.h"

namespace orv {

// Where the positions of a list are kept: in the user's folder for an
// ordinary list, beside the list for a name list (".NAM"). The list path is
// the upper-cased one the test uses.
std::string PositionFilePath(const std::string& listPath, const std::string& userName,
                             const SessionSettings& settings);

// Writes the positions to path; a failure is shown. Returns the I/O code.
int SavePositions(const BufferO& positions, const std::string& path, Dialogs& dialogs);

// Makes the positions 1 ... n, shuffled unless inOrder, and writes them to
// path, creating the folder when needed; returns them, also when the file
// cannot be written (the failure is shown). With n = 0 only the "not enough
// words" box is shown.
BufferO MakePositionFile(const std::string& path, LineNo n, bool inOrder, Dialogs& dialogs);

// Removes the position file, under its lock, when it exists.
void ErasePositions(const std::string& path);

// Reads a position file into positions; false, with positions empty, when it
// cannot be read or holds more lines than a list.
bool LoadPositions(BufferO& positions, const std::string& path);

// Takes question q of the list: line q in file order, otherwise the line the
// first remaining position names, which is then used up; a new shuffled round
// is appended when the positions run short. Positions that name no line of
// the list are skipped. Returns the position used up (empty in file order),
// so that a question left unanswered can be put back in front.
std::string PickQuestion(BufferO& list, BufferO& positions, LineNo q, bool inOrder,
                         const std::string& positionPath, Dialogs& dialogs, Question& question);

}  // namespace orv
