#include "lists/edit.h"

#include "base/strings.h"

namespace orv {

bool MayEditList(const ListEditor& editor, std::string_view ownerLine) {
  if (editor.superUser) return true;
  // Nobody logged in must not match an owner line of two quotes.
  if (editor.user.empty()) return false;
  return "\"" + Upper(editor.user) + "\"" == Upper(ownerLine);
}

std::string JoinedLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) joined += line + " ";
  // Trimmed here rather than by the 16-bit text utilities: a joined list can
  // be longer than they measure.
  joined.erase(joined.find_last_not_of(' ') + 1);
  return joined;
}

std::string UnsavedListPath(std::string_view listPath) {
  return std::string(listPath) + ".unsaved";
}

}  // namespace orv
