// Moving a whole line buffer from and to a text file.
#include "files/filelayer.h"
#include "files/filelock.h"
#include "files/safesave.h"
#include "lists/buffers.h"
#include "lists/textlines.h"

namespace orv {
namespace {

constexpr int kEmptyName = 600;

}  // namespace

int LoadFromFile(BufferO& buffer, std::string_view name) {
  if (name.empty()) return kEmptyName;
  std::string text;
  if (const int code = ReadTextFile(name, text); code != 0) return code;
  SplitLines(text, [&buffer](std::string_view line, LineEnd) { buffer.Add(line); });
  return 0;
}

int SaveToFile(const BufferO& buffer, std::string_view name, FileAccess access) {
  if (name.empty()) return kEmptyName;
  std::size_t size = 0;
  for (LineNo i : LineNumbers(buffer.Count())) size += buffer.Line(i).size() + 2;
  std::string bytes;
  bytes.reserve(size);
  for (LineNo i : LineNumbers(buffer.Count())) {
    bytes += buffer.Line(i);
    bytes += "\r\n";
  }
  return WriteFileSafely(name, bytes, access);
}

int SaveToFileLocked(const BufferO& buffer, std::string_view name, FileAccess access) {
  if (name.empty()) return kEmptyName;
  const FileLock lock(name, access);
  if (lock.Code() != 0) return lock.Code();
  return SaveToFile(buffer, name, access);
}

}  // namespace orv
