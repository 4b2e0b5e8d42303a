#include "lists/evaluator.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/strings.h"
#include "base/translate.h"
#include "lists/mstack.h"
#include "lists/numberkinds.h"
#include "lists/operations.h"
#include "lists/scanning.h"
#include "lists/smallintegers.h"
#include "lists/textscan.h"

namespace orv {

namespace {

constexpr std::string_view kBlanks = " \r\n\t";

bool IsBlank(char c) {
  return kBlanks.find(c) != std::string_view::npos;
}

std::size_t SkipBlanks(std::string_view text, std::size_t i) {
  while (i < text.size() && IsBlank(text[i])) ++i;
  return i;
}

// Assignments are evaluated for their failures only: no value is kept under
// any name, so the text continues after each one's ";".
std::string DropAssignments(std::string text, int places) {
  std::size_t assign;
  while ((assign = text.find(":=")) != std::string::npos) {
    std::string after = text.substr(assign + 2);
    std::size_t semicolon = after.find(';');
    std::string expression = after.substr(0, semicolon);
    std::size_t further = expression.find(":=");
    if (further != std::string::npos) expression.resize(further);
    Evaluate(expression, places);
    text = semicolon == std::string::npos ? std::string() : after.substr(semicolon + 1);
  }
  return text;
}

// True when digits "/" digits (blanks allowed around the "/") start at i.
bool FractionAt(std::string_view text, std::size_t i) {
  std::size_t numEnd = SkipDigits(text, i);
  if (numEnd == i) return false;
  std::size_t slash = SkipBlanks(text, numEnd);
  if (slash == text.size() || text[slash] != '/') return false;
  std::size_t denStart = SkipBlanks(text, slash + 1);
  return SkipDigits(text, denStart) > denStart;
}

// Blanks carry meaning only between the whole part and the fraction of a
// mixed number; there one blank is kept and every other blank goes.
std::string CleanBlanks(std::string_view input) {
  std::string text = TrimSet(input, kBlanks);
  if (text.find('/') == std::string::npos) return DropChars(text, kBlanks);
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (!IsBlank(text[i])) {
      out += text[i++];
      continue;
    }
    std::size_t next = SkipBlanks(text, i);
    if (i > 0 && IsDigit(text[i - 1]) && FractionAt(text, next)) out += ' ';
    i = next;
  }
  return out;
}

// 2(3+4) means 2x(3+4), and (1+2)(3+4) means (1+2)x(3+4).
std::string InsertImplicitProducts(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (i + 1 == text.size()) break;
    char next = text[i + 1];
    if ((IsDigit(text[i]) && next == '(') || (text[i] == ')' && (IsDigit(next) || next == '('))) {
      out += 'x';
    }
  }
  return out;
}

std::string UnexpectedCharacter(std::string_view expression, std::string_view rest) {
  return "//Error " + Filled(TrText("Expressions", "unexpected character in\"%1\" at:%2"),
                             std::string(expression), std::string(rest));
}

// Left to right with operator precedence: a pair is pushed, then every pending
// operator that binds at least as tightly as the new one is applied.
std::string FlatEvaluate(std::string_view expression, int places) {
  MStack stack;
  std::string remaining(expression);
  while (!remaining.empty()) {
    // Reading nothing leaves the text as it was, for the error to quote.
    std::string operand = ScanNumber(remaining);
    if (operand.empty()) return UnexpectedCharacter(expression, remaining);
    std::string op = ScanOperator(remaining);
    stack.Push(std::move(operand), std::move(op));
    while (stack.Depth() > 1 &&
           Precedence(stack.At(stack.Depth() - 1).op) >= Precedence(stack.At(stack.Depth()).op)) {
      MStack::Slot& below = stack.At(stack.Depth() - 1);
      MStack::Slot& top = stack.At(stack.Depth());
      below.operand = Apply(below.operand, below.op, top.operand, places);
      below.op = std::move(top.op);
      stack.Drop();
    }
  }
  std::string result = stack.Depth() == 1 ? stack.At(1).operand : std::string();
  // A fraction placed back into a larger expression must read as one operand.
  if (IsFraction(result)) return "(" + result + ")";
  return result;
}

}  // namespace

bool IsErrorText(std::string_view text) {
  // Every compiled answer is asked this, so no upper-case copy is made.
  constexpr std::string_view kError = "//ERROR";
  if (text.size() < kError.size()) return false;
  for (std::size_t i = 0; i < kError.size(); ++i) {
    const char c = text[i];
    if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) != kError[i]) return false;
  }
  return true;
}

namespace {

// Replaces every group by its value, innermost first. Working from the last
// "(" backwards leaves the text before each "(" unchanged, so the positions
// found at the start stay valid. A group that cannot be read ends the pass
// with its own error text: quoting it inside every enclosing group's error
// would double the text with each level of nesting.
bool ResolveGroups(std::string& text, int places) {
  std::vector<std::size_t> opens;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(') opens.push_back(i);
  }
  for (auto it = opens.rbegin(); it != opens.rend(); ++it) {
    std::string rest = text.substr(*it + 1);
    std::size_t close = rest.find(')');
    std::string value = FlatEvaluate(rest.substr(0, close), places);
    if (IsErrorText(value)) {
      text = std::move(value);
      return false;
    }
    std::string tail = close == std::string::npos ? std::string() : rest.substr(close + 1);
    text = text.substr(0, *it) + value + tail;
  }
  return true;
}

}  // namespace

std::string Evaluate(std::string_view input, int places) {
  if (std::optional<std::string> value = EvaluateSmallIntegers(input)) return std::move(*value);
  return EvaluateLong(input, places);
}

std::string EvaluateLong(std::string_view input, int places) {
  std::string text = CleanBlanks(DropAssignments(std::string(input), places));
  if (text.find_first_of("()") != std::string::npos) {
    text = InsertImplicitProducts(text);
    if (!ResolveGroups(text, places)) return text;
  }
  return FlatEvaluate(text, places);
}

}  // namespace orv
