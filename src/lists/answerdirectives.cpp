#include "lists/answerdirectives.h"

#include <string>

#include "base/strings.h"

namespace orv {

std::optional<PolicyDirective> PolicyDirectiveOf(std::string_view line) {
  if (!line.starts_with('$')) return std::nullopt;
  const std::string upper = UpperAZ(line.substr(1));
  for (const PolicyOption& option : kPolicyOptions) {
    const std::string word = UpperAZ(option.name);
    if (!upper.starts_with(word)) continue;
    return PolicyDirective{option.field, !upper.substr(word.size()).starts_with("OFF")};
  }
  return std::nullopt;
}

std::vector<PolicyRange> PolicyRanges(const BufferO& source) {
  std::vector<PolicyRange> ranges;
  AnswerPolicy policy;
  for (std::uint32_t i = 1; i <= source.Count(); ++i) {
    const std::optional<PolicyDirective> directive =
        PolicyDirectiveOf(source.Line(static_cast<LineNo>(i)));
    if (!directive) continue;
    const auto before = static_cast<LineNo>(i - 1);
    if (!ranges.empty()) {
      ranges.back().last = before;
    } else if (i > 1) {
      ranges.push_back({1, before, policy});
    }
    policy.*directive->field = directive->on;
    ranges.push_back({static_cast<LineNo>(i), static_cast<LineNo>(i), policy});
  }
  if (!ranges.empty()) ranges.back().last = source.Count();
  return ranges;
}

}  // namespace orv
