#include "lists/cleanlist.h"

#include <QDate>
#include <QString>
#include <bit>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/strings.h"
#include "files/dos.h"

namespace orv {
namespace {

// The kept lines by their text: an open-addressing table of their numbers,
// sized once for the whole list, so that no line costs an allocation.
class KeptIndex {
 public:
  KeptIndex(const std::vector<std::string>& kept, std::size_t most)
      : kept_(kept), slots_(std::bit_ceil(2 * most + 2), kFree), mask_(slots_.size() - 1) {}

  // Whether an equal line is kept; if not, the slot it would go in.
  bool Contains(std::string_view text, std::size_t& slot) const {
    for (slot = std::hash<std::string_view>{}(text)&mask_; slots_[slot] != kFree;
         slot = (slot + 1) & mask_) {
      if (kept_[slots_[slot]] == text) return true;
    }
    return false;
  }
  void Put(std::size_t slot, std::uint32_t line) { slots_[slot] = line; }

 private:
  static constexpr std::uint32_t kFree = 0xFFFFFFFFu;
  const std::vector<std::string>& kept_;
  std::vector<std::uint32_t> slots_;
  std::size_t mask_;
};

}  // namespace

bool CleanList(BufferO& list, bool isNameList, std::vector<LineNo>* origins) {
  // One pass with a set of the lines kept so far: a line is a repeat exactly
  // when it equals an earlier kept line, since every kept line is trimmed
  // already and earlier repeats are gone.
  std::vector<std::string> kept;
  kept.reserve(list.Count());
  KeptIndex seen(kept, isNameList ? 0 : list.Count());
  if (origins) origins->clear();
  bool clean = true;
  for (const LineNo i : LineNumbers(list.Count())) {
    const std::string& line = list.Line(i);
    const std::size_t first = line.find_first_not_of(' ');
    if (first == line.npos) {
      clean = false;
      continue;
    }
    const std::size_t last = line.find_last_not_of(' ');
    if (first != 0 || last + 1 != line.size()) clean = false;
    std::string_view trimmed = std::string_view(line).substr(first, last + 1 - first);
    std::size_t slot = 0;
    if (!isNameList && seen.Contains(trimmed, slot)) {
      clean = false;
      continue;
    }
    if (!isNameList) seen.Put(slot, static_cast<std::uint32_t>(kept.size()));
    kept.emplace_back(trimmed);
    if (origins) origins->push_back(i);
  }
  if (!clean) {
    BufferO cleaned;
    for (const std::string& line : kept) cleaned.Add(line);
    list = std::move(cleaned);
  }
  return clean;
}

bool IsNameList(std::string_view path) {
  return UpperAZ(ExtOf(FileNameOf(path))) == "NAM";
}

bool HasNoSort(const BufferO& list) {
  return list.Find("$noSort", 7, false) != 0;
}

std::optional<std::int64_t> ListTestDay(const BufferO& list) {
  constexpr std::string_view kTestDay = "$testDay";
  const LineNo line = list.Find(kTestDay, kTestDay.size(), false);
  if (line == 0) return std::nullopt;
  const std::string day = TrimSet(list.Line(line).substr(kTestDay.size()), " \t");
  const QDate date = QDate::fromString(QString::fromStdString(day), QStringLiteral("d/M/yyyy"));
  if (!date.isValid()) return std::nullopt;
  return date.toJulianDay();
}

}  // namespace orv
