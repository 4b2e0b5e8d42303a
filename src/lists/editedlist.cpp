#include "lists/editedlist.h"

#include <algorithm>
#include <deque>
#include <string_view>
#include <unordered_map>

#include "base/encodings.h"

namespace orv {
namespace {

bool IsAscii(std::string_view text) {
  return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The form of a line the file did not have: the line end and the encoding
// most of the file's lines have. Lines of plain ASCII read the same in both
// encodings and do not count.
ListLineForm UsualForm(const ListFile& file) {
  std::size_t lf = 0, crLf = 0, windows1252 = 0, utf8 = 0;
  for (const LineNo i : LineNumbers(file.lines.Count())) {
    const ListLineForm& form = file.forms[i - 1u];
    lf += form.end == LineEnd::kLf ? 1 : 0;
    crLf += form.end == LineEnd::kCrLf ? 1 : 0;
    if (form.windows1252) {
      ++windows1252;
    } else if (!IsAscii(file.lines.Line(i))) {
      ++utf8;
    }
  }
  return {windows1252 > utf8, lf > crLf ? LineEnd::kLf : LineEnd::kCrLf};
}

}  // namespace

ListFile EditedListFile(const ListFile& original, const std::vector<std::string>& lines) {
  const ListLineForm usual = UsualForm(original);
  std::unordered_map<std::string_view, std::deque<std::size_t>> unused;
  for (const LineNo i : LineNumbers(original.lines.Count())) {
    unused[original.lines.Line(i)].push_back(i - 1u);
  }
  ListFile edited;
  edited.byteOrderMark = original.byteOrderMark;
  edited.fromEndMark = original.fromEndMark;
  bool fitsWindows1252 = true;
  for (const std::string& line : lines) {
    ListLineForm form = usual;
    if (const auto found = unused.find(line); found != unused.end() && !found->second.empty()) {
      form = original.forms[found->second.front()];
      found->second.pop_front();
    }
    // The file's last line may now stand before others.
    if (form.end == LineEnd::kNone) form.end = usual.end;
    if (form.windows1252 && !Utf8ToWindows1252(line)) fitsWindows1252 = false;
    edited.lines.Add(line);
    edited.forms.push_back(form);
  }
  if (!edited.forms.empty() && !original.forms.empty() &&
      original.forms.back().end == LineEnd::kNone) {
    edited.forms.back().end = LineEnd::kNone;
  }
  if (!fitsWindows1252) {
    for (ListLineForm& form : edited.forms) form.windows1252 = false;
  }
  return edited;
}

}  // namespace orv
