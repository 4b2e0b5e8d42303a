#include "lists/cleanlist.h"

#include <string>
#include <unordered_set>

#include "app/strings.h"
#include "files/dos.h"

namespace orv {

bool CleanList(BufferO& list, bool isNameList, std::vector<LineNo>* origins) {
  // One pass with a set of the lines kept so far: a line is a repeat exactly
  // when it equals an earlier kept line, since every kept line is trimmed
  // already and earlier repeats are gone.
  std::vector<std::string> kept;
  kept.reserve(list.Count());  // no reallocation: the set below views into kept
  std::unordered_set<std::string_view> seen;
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
    if (!isNameList && seen.contains(trimmed)) {
      clean = false;
      continue;
    }
    kept.emplace_back(trimmed);
    if (!isNameList) seen.insert(kept.back());
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

}  // namespace orv
