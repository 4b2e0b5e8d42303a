#include "lists/scanning.h"

#include <string_view>

#include "lists/numberkinds.h"
#include "lists/textscan.h"

namespace orv {

namespace {

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Cuts "(" ... ")" from the front of the text, the closing ")" found with
// nesting, and returns what stood inside; an unclosed group takes the rest.
std::string CutGroup(std::string& text) {
  int level = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(') {
      ++level;
    } else if (text[i] == ')' && --level == 0) {
      std::string inner = text.substr(1, i - 1);
      text.erase(0, i + 1);
      return inner;
    }
  }
  std::string inner = text.substr(1);
  text.clear();
  return inner;
}

// A parenthesised mixed number keeps exactly one blank between its parts.
std::string JoinMixed(const std::string& fraction) {
  std::size_t blank = fraction.find(' ');
  if (blank == std::string::npos) return fraction;
  std::string whole = fraction.substr(0, blank);
  std::string part = fraction.substr(SkipSpaces(fraction, blank));
  return whole.empty() ? part : whole + " " + part;
}

// Reads a plain operand: sign, digits, ".digits", "e" digits, " n/d".
std::string ScanPlain(std::string& text) {
  std::size_t start = SkipSpaces(text, 0);
  std::size_t i = start;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  i = SkipDigits(text, i);
  if (i < text.size() && text[i] == '.') i = SkipDigits(text, i + 1);
  if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E') && IsDigit(text[i + 1])) {
    i = SkipDigits(text, i + 1);
  }
  if (i == start) return {};
  std::string operand = text.substr(start, i - start);
  if (i < text.size() && text[i] == ' ') {
    std::size_t numStart = SkipSpaces(text, i);
    std::size_t numEnd = SkipDigits(text, numStart);
    std::size_t slash = SkipSpaces(text, numEnd);
    if (numEnd > numStart && slash < text.size() && text[slash] == '/') {
      std::size_t denStart = SkipSpaces(text, slash + 1);
      std::size_t denEnd = SkipDigits(text, denStart);
      if (denEnd > denStart) {
        operand += " " + text.substr(numStart, numEnd - numStart) + "/" +
                   text.substr(denStart, denEnd - denStart);
        i = denEnd;
      }
    }
  }
  text.erase(0, i);
  return operand;
}

}  // namespace

std::string ScanNumber(std::string& text) {
  if (text.empty() || text[0] != '(') return ScanPlain(text);
  std::string rest = text;
  std::string inner = CutGroup(rest);
  // Nested parentheses around one operand are peeled off without recursion.
  while (!IsFraction(inner) && !inner.empty() && inner[0] == '(') {
    std::string group = CutGroup(inner);
    inner = std::move(group);
  }
  std::string operand = IsFraction(inner) ? JoinMixed(inner) : ScanPlain(inner);
  if (!operand.empty()) text = std::move(rest);
  return operand;
}

std::string ScanOperator(std::string& text) {
  constexpr std::string_view kOperatorChars = "+-*/xX()<>=^";
  std::size_t n = 0;
  if (!text.empty() && kOperatorChars.find(text[0]) != std::string_view::npos) n = 1;
  while (n < text.size() && IsLetter(text[n])) ++n;
  std::string op = text.substr(0, n);
  text.erase(0, n);
  return op;
}

}  // namespace orv
