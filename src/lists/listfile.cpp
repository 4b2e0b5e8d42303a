#include "lists/listfile.h"

#include "base/encodings.h"
#include "files/filelayer.h"
#include "files/safesave.h"
#include "lists/cleanlist.h"

namespace orv {
namespace {

constexpr int kEmptyName = 600;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

int LoadListFile(ListFile& file, std::string_view name) {
  file = ListFile{};
  if (name.empty()) return kEmptyName;
  std::string bytes;
  if (const int code = ReadFileBytes(name, bytes); code != 0) return code;
  std::string_view text = bytes;
  file.byteOrderMark = text.starts_with(kByteOrderMark);
  if (file.byteOrderMark) text.remove_prefix(kByteOrderMark.size());
  const std::size_t mark = SplitLines(text, [&file](std::string_view line, LineEnd end) {
    const bool utf8 = IsValidUtf8(line);
    file.lines.Add(utf8 ? std::string(line) : Windows1252ToUtf8(line));
    file.forms.push_back({!utf8, end});
  });
  file.fromEndMark = text.substr(mark);
  return 0;
}

bool CleanListFile(ListFile& file, bool isNameList, std::vector<LineNo>* origins) {
  std::vector<LineNo> kept;
  const bool clean = CleanList(file.lines, isNameList, &kept);
  if (!clean) {
    std::vector<ListLineForm> forms;
    forms.reserve(kept.size());
    for (const LineNo origin : kept) forms.push_back(file.forms[origin - 1u]);
    file.forms = std::move(forms);
  }
  if (origins) *origins = std::move(kept);
  return clean;
}

int SaveListFile(const ListFile& file, std::string_view name) {
  if (name.empty()) return kEmptyName;
  std::string bytes(file.byteOrderMark ? kByteOrderMark : std::string_view{});
  for (const LineNo i : LineNumbers(file.lines.Count())) {
    const ListLineForm& form = file.forms[i - 1u];
    const std::string& line = file.lines.Line(i);
    // A line read as Windows-1252 goes back as such; only a character that
    // encoding lacks could keep it from that, and then the line stays UTF-8.
    bytes += form.windows1252 ? Utf8ToWindows1252(line).value_or(line) : line;
    bytes += LineEndText(form.end);
  }
  bytes += file.fromEndMark;
  return WriteFileSafely(name, bytes);
}

std::size_t TextLinesAfterEndMark(const ListFile& file) {
  std::size_t count = 0;
  std::string_view rest = file.fromEndMark;
  while (!rest.empty()) {
    const std::size_t lf = rest.find('\n');
    const std::string_view line = rest.substr(0, lf);
    if (line.find_first_not_of(" \r\x1A") != std::string_view::npos) ++count;
    rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
  }
  return count;
}

}  // namespace orv
