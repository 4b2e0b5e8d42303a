#pragma once
// The directives that set what a list allows of a typed answer: "$ignoreCase",
// "$ignoreAccents", "$ignorePunctuation", "$alternatives", "$equalValues" and
// "$lowestTerms" switch an option on for the lines that follow, the same word
// with "Off" after it ("$ignoreCaseOff") switches it off. Like the other
// directives they are known by their beginning, in any letter case.
#include <optional>
#include <string_view>
#include <vector>

#include "judging/answerpolicy.h"
#include "lists/buffers.h"

namespace orv {

// The option a line sets and whether on or off; std::nullopt for any other line.
struct PolicyDirective {
  std::optional<bool> AnswerPolicy::*field;
  bool on;
};
std::optional<PolicyDirective> PolicyDirectiveOf(std::string_view line);

// The lines from first to last of a list are judged under policy.
struct PolicyRange {
  LineNo first;
  LineNo last;
  AnswerPolicy policy;
};

// The policy in force over the lines of a list, one range for each run of
// lines between two of its directives; empty for a list without any.
std::vector<PolicyRange> PolicyRanges(const BufferO& source);

}  // namespace orv
