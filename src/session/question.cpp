#include "session/question.h"

namespace orv {

Question Question::FromLine(std::string_view line) {
  auto bar = line.find('|');
  if (bar == std::string_view::npos) return {std::string(line), std::string(line)};
  return {std::string(line.substr(0, bar)), std::string(line.substr(bar + 1))};
}

}  // namespace orv
