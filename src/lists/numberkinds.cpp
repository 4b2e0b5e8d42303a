#include "lists/numberkinds.h"

#include <algorithm>
#include <string>

#include "lists/textscan.h"

namespace orv {
namespace {

bool IsSign(char c) {
  return c == '+' || c == '-';
}

}  // namespace

bool IsInteger(std::string_view text) {
  text.remove_prefix(std::min(text.find_first_not_of(" \t\r\n"), text.size()));
  bool digit = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      digit = true;
    } else if (!IsSign(c) || i != 0) {
      return false;
    }
  }
  return digit;
}

bool IsDecimal(std::string_view text) {
  const std::size_t point = text.find(kDecimalSeparator);
  if (point == std::string_view::npos ||
      std::count(text.begin(), text.end(), kDecimalSeparator) != 1 ||
      text.find_first_of("+-", point) != std::string_view::npos) {
    return IsInteger(text);
  }
  std::string without(text);
  without.erase(point, 1);
  return IsInteger(without);
}

bool IsPointReal(std::string_view text) {
  return IsDecimal(text) && text.find(kDecimalSeparator) != std::string_view::npos;
}

bool IsExponentReal(std::string_view text) {
  const std::size_t e = text.find_first_of("eE");
  if (e == std::string_view::npos || text.find_first_of("eE", e + 1) != std::string_view::npos) {
    return false;
  }
  return IsDecimal(text.substr(0, e)) && IsInteger(text.substr(e + 1));
}

bool IsReal(std::string_view text) {
  return IsDecimal(text) || IsExponentReal(text);
}

bool IsNonIntegerReal(std::string_view text) {
  return IsPointReal(text) || IsExponentReal(text);
}

bool IsFraction(std::string_view text) {
  if (text.find('/') == std::string_view::npos) return false;
  const std::size_t blank = text.find(' ');
  std::string_view rest = text;
  if (blank != std::string_view::npos) {
    // An empty whole part (the text begins with a blank) counts as no whole part.
    const std::string_view whole = text.substr(0, blank);
    if (!whole.empty() && !IsInteger(whole)) return false;
    rest = text.substr(blank + 1);
  }
  const std::size_t slash = rest.find('/');
  if (slash == std::string_view::npos) return false;
  return IsInteger(rest.substr(0, slash)) && IsInteger(rest.substr(slash + 1));
}

}  // namespace orv
