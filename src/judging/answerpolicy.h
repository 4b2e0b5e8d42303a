#pragma once
// What a list allows of a typed answer beyond its exact text: each option is
// on, off, or left to the program-wide default when the list says nothing.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

struct AnswerPolicy {
  std::optional<bool> ignoreCase;         // "Paris" for "paris"
  std::optional<bool> ignoreAccents;      // "cafe" for "café"
  std::optional<bool> ignorePunctuation;  // "dont" for "don't"
  std::optional<bool> alternatives;       // "grey;gray" takes either
  std::optional<bool> equalValues;        // "2/4", "0.5" or "0,5" for "1/2"
  std::optional<bool> lowestTerms;        // "2/4" for "1/2" is to be reduced

  // This policy where it says something, else the defaults.
  AnswerPolicy Over(const AnswerPolicy& defaults) const;
  bool SaysNothing() const;
  bool operator==(const AnswerPolicy&) const = default;
};

// One option: its name (the directive without "$"; "Off" appended switches
// it off) and its place in the policy.
struct PolicyOption {
  std::string_view name;
  std::optional<bool> AnswerPolicy::*field;
};

inline constexpr std::array<PolicyOption, 6> kPolicyOptions = {{
    {"ignoreCase", &AnswerPolicy::ignoreCase},
    {"ignoreAccents", &AnswerPolicy::ignoreAccents},
    {"ignorePunctuation", &AnswerPolicy::ignorePunctuation},
    {"alternatives", &AnswerPolicy::alternatives},
    {"equalValues", &AnswerPolicy::equalValues},
    {"lowestTerms", &AnswerPolicy::lowestTerms},
}};

// Whether an option is on; one left to the default counts as off.
inline bool Allows(const std::optional<bool>& option) {
  return option.value_or(false);
}

// The options the policy sets, as names ("ignoreCase alternativesOff");
// empty when it says nothing.
std::string PolicyMarks(const AnswerPolicy& policy);

}  // namespace orv
