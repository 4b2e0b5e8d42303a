#include "scores/soundfind.h"

#include "base/strings.h"

namespace orv {

int FindName(const std::vector<std::string>& names, const std::string& text, int from,
             const FindOptions& options) {
  const std::string wanted = options.matchCase ? text : Upper(text);
  for (int row = from < 0 ? 0 : from; row < static_cast<int>(names.size()); ++row) {
    const std::string& stored = names[static_cast<std::size_t>(row)];
    const std::string name = options.matchCase ? stored : Upper(stored);
    if (options.wholeWord ? name == wanted : name.starts_with(wanted)) return row;
  }
  return -1;
}

}  // namespace orv
