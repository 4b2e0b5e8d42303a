#pragma once
// One finished test's result, as the test session hands it to LogScore, and
// what an earlier one came to.
#include <cstdint>
#include <string>

namespace orv {

struct scoreR {
  std::string name;
  std::int32_t score = 0;
  std::uint16_t max_help = 0;
  std::uint16_t help_total = 0;
  std::uint16_t word_count = 0;
};

// What an earlier test of a list came to.
struct PastScore {
  std::int32_t score = 0;
  std::int32_t wordCount = 0;
};

}  // namespace orv
