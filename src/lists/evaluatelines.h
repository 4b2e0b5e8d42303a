#pragma once
// The second stage of an expression line: value groups "{...}", random calls
// "RAND(low:high)" and the decimal-places call "FPoint(n)" are resolved, the
// remaining arithmetic is evaluated, and the line becomes question "|" answer
// or an error line beginning "//".
#include <string>
#include <string_view>

#include "lists/buffers.h"
#include "lists/evaluator.h"

namespace orv {

// "//error " and the reason (marked in context) in the loaded language: the
// line stays a comment whatever the language.
std::string ErrorLine(const char* context, const char* reason);

// The error line of an expression that is no arithmetic: text follows its
// reason.
std::string UnexpectedErrorLine(std::string_view text);

// The error line of a failure that a calculation raised: its reason, cut to
// a length a teacher can read.
std::string FailureLine(std::string_view reason);

// The compiled form of one expanded line (with its "$") and the decimal
// places its answer was rounded with. A failure that the arithmetic raises (a
// division by zero, an overflow, a bound that is not a whole number, a
// fifth pending operator) makes it the error line of that failure.
struct EvaluatedLine {
  std::string text;
  int places = 0;
};
// Real results are rounded to places decimals unless the line says otherwise.
EvaluatedLine EvaluateLine(std::string_view line, int places);

// Replaces every line of the buffer that begins with "$" by its compiled form.
void EvaluateLines(BufferO& buffer, int places = kStartDecimalPlaces);

// Replaces every random call, and then every value group, in the text.
// Values are worked out with places decimals.
std::string ResolveRandom(std::string_view text, int places = kStartDecimalPlaces);

// ResolveRandom, telling also whether it stopped at an error: a call without
// its ":" or ")", or a value group whose value is an error text. An error text
// holds the text it was made from, so it is never resolved again: reading it
// as input once more could run without end.
struct Resolution {
  std::string text;
  bool failed = false;
};
Resolution ResolveRandomChecked(std::string_view text, int places = kStartDecimalPlaces);

// The value-group pass: every "{...}" replaced by its value, then ResolveRandom.
std::string ResolveGroups(std::string_view text, int places = kStartDecimalPlaces);

// Removes the first decimal-places call from the text and sets places to
// its count, or returns an error line and leaves places as they were.
std::string ApplyFPoint(std::string_view text, int& places);

}  // namespace orv
