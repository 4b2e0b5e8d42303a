#pragma once
// The cleaning of a word list before it is compiled, and the list-wide checks
// made before compiling.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "lists/buffers.h"

namespace orv {

// Removes the leading and trailing blanks of every line (the blank only, not
// tabs), deletes empty lines and, unless the list is a name list, every line
// equal to an earlier line (letter case counts). Returns whether the list was
// already clean. When origins is given it receives, for each line left, the
// number that line had before cleaning.
bool CleanList(BufferO& list, bool isNameList, std::vector<LineNo>* origins = nullptr);

// Whether a list path names a name list (extension ".NAM", any letter case),
// whose repeated lines are kept.
bool IsNameList(std::string_view path);

// Whether some line begins with "$noSort" in any letter case: such a list
// keeps its compiled order.
bool HasNoSort(const BufferO& list);

// The test day of a list: the day of its first line beginning "$testDay" in
// any letter case, followed by the day as DD/MM/YYYY, as a Julian day
// number; nullopt when there is no such line or it names no day.
std::optional<std::int64_t> ListTestDay(const BufferO& list);

}  // namespace orv
