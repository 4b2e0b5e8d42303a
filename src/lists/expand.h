#pragma once
// The first stage of an expression line: the comment is cut off, fixed groups
// "[...]" are drawn once, and number ranges "#a to b" multiply the line out.
#include <string_view>

#include "lists/buffers.h"

namespace orv {

// Appends the expanded lines of one source line (with its leading "$") to the
// output. Several ranges multiply out, the leftmost range varying slowest. A
// range that would make more lines than a buffer holds raises the buffer's
// limit error.
void ExpandLine(BufferO& output, std::string_view line);

}  // namespace orv
