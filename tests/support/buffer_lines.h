#pragma once
// A line buffer from a list of lines and back, for comparing buffers in tests.
#include <string>
#include <vector>

#include "lists/buffers.h"

namespace orv::test {

BufferO BufferOf(const std::vector<std::string>& lines);
std::vector<std::string> LinesOf(const BufferO& buffer);

}  // namespace orv::test
