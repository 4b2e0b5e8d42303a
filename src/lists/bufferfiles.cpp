// Moving a whole line buffer from and to a text file.
#include "files/filelayer.h"
#include "lists/buffers.h"

namespace orv {
namespace {

constexpr int kEmptyName = 600;
constexpr char kEndOfText = '\x1A';

}  // namespace

int LoadFromFile(BufferO& buffer, std::string_view name) {
  if (name.empty()) return kEmptyName;
  std::string text;
  if (const int code = ReadTextFile(name, text); code != 0) return code;
  const std::string_view all = text;
  std::size_t start = 0;
  while (start < all.size() && all[start] != kEndOfText) {
    std::size_t end = all.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? all.size() : end + 1;
    if (end == std::string_view::npos) end = all.size();
    // Only a CR right before the LF belongs to the line end.
    else if (end > start && all[end - 1] == '\r')
      --end;
    buffer.Add(all.substr(start, end - start));
    start = next;
  }
  return 0;
}

int SaveToFile(const BufferO& buffer, std::string_view name, FileAccess access) {
  if (name.empty()) return kEmptyName;
  // The counter is wider than a line number so that it can pass the last line.
  std::size_t size = 0;
  for (std::uint32_t i = 1; i <= buffer.Count(); ++i) {
    size += buffer.Line(static_cast<LineNo>(i)).size() + 2;
  }
  std::string bytes;
  bytes.reserve(size);
  for (std::uint32_t i = 1; i <= buffer.Count(); ++i) {
    bytes += buffer.Line(static_cast<LineNo>(i));
    bytes += "\r\n";
  }
  return WriteFileSafely(name, bytes, access);
}

}  // namespace orv
