#include "support/buffer_lines.h"

#include <cstdint>

namespace orv::test {

BufferO BufferOf(const std::vector<std::string>& lines) {
  BufferO buffer;
  for (const std::string& line : lines) buffer.Add(line);
  return buffer;
}

std::vector<std::string> LinesOf(const BufferO& buffer) {
  std::vector<std::string> lines;
  for (LineNo i : LineNumbers(buffer.Count())) lines.push_back(buffer.Get(i));
  return lines;
}

}  // namespace orv::test
