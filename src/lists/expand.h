#pragma once
// The first stage of an expression line: the comment is cut off, fixed groups
// "[...]" are drawn once, and number ranges "#a to b" multiply the line out.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lists/buffers.h"

namespace orv {

// Appends the expanded lines of one source line (with its leading "$") to the
// output. Several ranges multiply out, the leftmost range varying slowest. A
// range that would make more lines than a buffer holds raises the buffer's
// limit error.
void ExpandLine(BufferO& output, std::string_view line);

// The lines of a source line made of whole numbers, the operators "+-*xX/"
// and ranges "#a to b" written without blanks ("$#1to12x#1to12"), one at a
// time in ExpandLine's order, without a buffer of them. Most generated lists
// are such lines, and their questions need no other pass.
class RangeLines {
 public:
  // Nothing for a line that holds anything else, whose ranges make more
  // lines than a buffer holds, or that ExpandLine would not make lines of.
  static std::optional<RangeLines> Of(std::string_view line);

  std::uint32_t Count() const { return count_; }
  // Writes the next line into entry; false after the last one.
  bool Next(std::string& entry);

 private:
  struct Range {
    std::int32_t from = 0;
    std::int32_t step = 1;
    std::uint32_t size = 1;
    std::uint32_t at = 0;
  };
  // The text before each range and, last, the text after the last one.
  std::vector<std::string> pieces_;
  std::vector<Range> ranges_;
  std::uint32_t count_ = 1;
  std::uint32_t made_ = 0;
};

}  // namespace orv
