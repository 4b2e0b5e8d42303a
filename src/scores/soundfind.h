#pragma once
// Finding a word in the sound window's list.
#include <string>
#include <vector>

namespace orv {

struct FindOptions {
  bool matchCase = false;
  bool wholeWord = false;  // the whole name, else names that begin with the text
};

// The first row from `from` on whose name matches text; -1 when none does.
int FindName(const std::vector<std::string>& names, const std::string& text, int from,
             const FindOptions& options);

}  // namespace orv
