// Searching, cutting, filtering and comparing texts.
#include <QChar>
#include <algorithm>
#include <iterator>
#include <utility>

#include "base/errors.h"
#include "base/strings.h"
#include "base/utf8.h"

namespace orv {
namespace {

constexpr auto npos = std::string_view::npos;

// The 1-based position of a 0-based index; 0 for "not found".
TextPos Pos(std::size_t index) {
  return index == npos ? 0 : static_cast<TextPos>(index + 1);
}

}  // namespace

TextPos TextLength(std::string_view text) {
  if (text.size() > 65535) throw ERangeError();
  return static_cast<TextPos>(text.size());
}

// Searching

TextPos FirstOf(std::string_view text, std::string_view set) {
  TextLength(text);
  return Pos(text.find_first_of(set));
}

bool InSet(std::string_view set, char c) {
  return set.find(c) != npos;
}

bool AllOf(std::string_view text, std::string_view set) {
  TextLength(text);
  return text.find_first_not_of(set) == npos;
}

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == npos;
}

TextPos MatchClose(std::string_view text, char closer) {
  TextLength(text);
  char opener = '\0';
  switch (closer) {
    case ')':
      opener = '(';
      break;
    case ']':
      opener = '[';
      break;
    case '}':
      opener = '{';
      break;
    case '>':
      opener = '<';
      break;
    default:
      break;
  }
  std::uint32_t depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == closer && depth == 0) return static_cast<TextPos>(i + 1);
    if (opener != '\0' && c == opener) {
      ++depth;
    } else if (c == closer) {
      --depth;
    }
  }
  return 0;
}

// Cutting and copying

std::string LeftPart(std::string_view text, TextPos n) {
  TextLength(text);
  return std::string(text.substr(0, n));
}

std::string DropLeft(std::string_view text, TextPos n) {
  const TextPos len = TextLength(text);
  return n >= len ? std::string() : std::string(text.substr(n));
}

std::string CutAt(std::string& text, TextPos p) {
  const TextPos len = TextLength(text);
  if (p == 0) return {};
  if (p > len) return std::exchange(text, std::string());
  std::string piece = text.substr(0, p - 1u);
  text.erase(0, p);
  return piece;
}

std::string CutToken(std::string& text, std::string_view set) {
  return CutAt(text, FirstOf(text, set));
}

std::string NextToken(std::string& text, std::string_view set) {
  const TextPos p = FirstOf(text, set);
  if (p == 0) return std::exchange(text, std::string());
  return CutAt(text, p);
}

std::string WordN(std::string_view text, TextPos n, std::string_view separators, bool strict) {
  TextLength(text);
  const std::size_t last = text.find_last_not_of(separators);
  std::string_view rest = last == npos ? std::string_view() : text.substr(0, last + 1);
  std::string_view word;
  std::uint32_t found = 0;
  do {
    const std::size_t first = rest.find_first_not_of(separators);
    rest = first == npos ? std::string_view() : rest.substr(first);
    const std::size_t sep = rest.find_first_of(separators);
    if (sep == npos) {
      word = rest;
      rest = {};
    } else {
      word = rest.substr(0, sep);
      rest = rest.substr(sep);
    }
    if (!word.empty()) ++found;
  } while (found < n && !rest.empty());
  if (strict && found < n) return {};
  return std::string(word);
}

std::string TakeInteger(std::string& text) {
  TextLength(text);
  const std::size_t first = text.find_first_not_of(" \n\r\t");
  if (first == npos) {
    text.clear();
    return {};
  }
  text.erase(0, first);
  std::string piece;
  if (text[0] == '+' || text[0] == '-') {
    piece += text[0];
    text.erase(0, 1);
  }
  const std::size_t digits = std::min(text.find_first_not_of("0123456789"), text.size());
  piece += text.substr(0, digits);
  text.erase(0, digits);
  return piece;
}

// Filtering, trimming, comparing

std::string KeepChars(std::string_view text, std::string_view set) {
  std::string out;
  std::copy_if(text.begin(), text.end(), std::back_inserter(out),
               [set](char c) { return InSet(set, c); });
  return out;
}

std::string DropChars(std::string_view text, std::string_view set) {
  std::string out;
  std::copy_if(text.begin(), text.end(), std::back_inserter(out),
               [set](char c) { return !InSet(set, c); });
  return out;
}

std::string DeleteChar(std::string_view text, char c) {
  std::string out;
  std::copy_if(text.begin(), text.end(), std::back_inserter(out), [c](char x) { return x != c; });
  return out;
}

std::string TrimLeftSet(std::string_view text, std::string_view set) {
  const std::size_t first = text.find_first_not_of(set);
  return first == npos ? std::string() : std::string(text.substr(first));
}

std::string TrimRightSet(std::string_view text, std::string_view set) {
  const std::size_t last = text.find_last_not_of(set);
  return last == npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string TrimSet(std::string_view text, std::string_view set) {
  return TrimRightSet(TrimLeftSet(text, set), set);
}

std::string Upper(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = 0;
    const std::size_t len = DecodeUtf8(text, i, cp);
    if (len == 0) {
      // Bytes that are not UTF-8 are kept as they are rather than replaced.
      out += text[i++];
      continue;
    }
    AppendUtf8(out, cp < 0x80 ? static_cast<char32_t>(cp >= 'a' && cp <= 'z' ? cp - 32 : cp)
                              : QChar::toUpper(cp));
    i += len;
  }
  return out;
}

std::string UpperAZ(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

}  // namespace orv
