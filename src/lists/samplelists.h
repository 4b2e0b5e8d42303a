#pragma once
// The sample word lists a new program directory starts with (the files under
// samples/ in the source tree, compiled into the program).
#include <span>
#include <string_view>

namespace orv {

struct SampleList {
  std::string_view path;  // below the word-list root, "\"-separated: "spelling.orv\level1.orv"
  std::string_view text;  // the file's lines, each ending in "\n"
};

std::span<const SampleList> SampleLists();

}  // namespace orv
