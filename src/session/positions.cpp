#include "session/positions.h"

#include <numeric>
#include <utility>
#include <vector>

#include "base/errors.h"
#include "base/numbertext.h"
#include "base/strings.h"
#include "base/translate.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "files/filelock.h"
#include "files/userfolder.h"
#include "lists/cleanlist.h"
#include "lists/random.h"

namespace orv {
namespace {

constexpr int kShufflePasses = 5;

std::int32_t FirstPosition(const BufferO& positions) {
  return NumOf(positions.Line(1));
}

// A position file written for a longer version of the list may name lines
// that are gone; such positions are skipped rather than read past the end.
void DropStalePositions(BufferO& positions, LineNo listCount) {
  while (positions.Count() > 0) {
    std::int32_t p = FirstPosition(positions);
    if (p >= 1 && p <= listCount) return;
    positions.Del(1);
  }
}

}  // namespace

std::string PositionFilePath(const std::string& listPath, const std::string& userName,
                             const SessionSettings& settings) {
  std::string base = BaseName(listPath);
  if (IsNameList(listPath)) return FolderOf(listPath) + base + ".PO2";
  return UserFolder(settings.programDir, userName) + settings.currentDir + base + ".POS";
}

BufferO MakePositionFile(const std::string& path, LineNo n, bool inOrder, Dialogs& dialogs) {
  BufferO positions;
  if (n == 0) {
    dialogs.Error(TrText("positions", " Not enough words in file"));
    return positions;
  }
  // The numbers are shuffled before they become text: swapping numbers is
  // cheap where swapping lines is not.
  std::vector<std::int32_t> order(n);
  std::iota(order.begin(), order.end(), 1);
  SeedRandomFromClock();
  if (!inOrder) {
    for (int pass = 0; pass < kShufflePasses; ++pass) {
      for (std::uint32_t c = 0; c < n; ++c) std::swap(order[c], order[RandomBelow(n)]);
    }
  }
  for (const std::int32_t p : order) positions.Add(IntText(p));
  if (!DirExists(FolderOf(path))) MakePath(path);
  SavePositions(positions, path, dialogs);
  return positions;
}

int SavePositions(const BufferO& positions, const std::string& path, Dialogs& dialogs) {
  // The same user may end tests of one list on two computers at once.
  const int code = SaveToFileLocked(positions, path);
  if (code != 0) {
    dialogs.Error(Filled(
        TrText("positions", "Could not save which words of the list are still to come (%1). %2"),
        path, ErrorText(code)));
  }
  return code;
}

void ErasePositions(const std::string& path) {
  if (!FileFound(path)) return;
  const FileLock lock(path);
  if (lock.Code() == 0 && FileFound(path)) EraseFile(path);
}

bool LoadPositions(BufferO& positions, const std::string& path) {
  try {
    if (LoadFromFile(positions, path) == 0) return true;
  } catch (const E_Orv_Error&) {
    // More lines than a list has: no order of this list.
  }
  positions.Clear();
  return false;
}

std::string PickQuestion(BufferO& list, BufferO& positions, LineNo q, bool inOrder,
                         const std::string& positionPath, Dialogs& dialogs, Question& question) {
  if (inOrder) {
    question = Question::FromLine(list.Get(q));
    return {};
  }
  DropStalePositions(positions, list.Count());
  // The first position is compared with the number of positions left, not
  // with the length of the list: a new round goes behind the old one.
  if (positions.Count() == 0 || positions.Count() < FirstPosition(positions)) {
    // The new round goes behind the positions left, as the file has it.
    const BufferO round = MakePositionFile(positionPath, list.Count(), inOrder, dialogs);
    for (std::uint32_t i = 1; i <= round.Count() && positions.Count() < BufferO::kMaxLines; ++i) {
      positions.Add(round.Line(static_cast<LineNo>(i)));
    }
    DropStalePositions(positions, list.Count());
    if (positions.Count() == 0) return {};
  }
  question = Question::FromLine(list.Get(static_cast<LineNo>(FirstPosition(positions))));
  std::string taken = positions.Get(1);
  positions.Del(1);
  return taken;
}

}  // namespace orv
