#include "lists/textlines.h"

namespace orv {
namespace {

constexpr char kEndOfText = '\x1A';

}  // namespace

std::string_view LineEndText(LineEnd end) {
  switch (end) {
    case LineEnd::kLf:
      return "\n";
    case LineEnd::kCrLf:
      return "\r\n";
    case LineEnd::kNone:
      break;
  }
  return {};
}

std::size_t SplitLines(std::string_view text,
                       const std::function<void(std::string_view, LineEnd)>& line) {
  std::size_t start = 0;
  while (start < text.size() && text[start] != kEndOfText) {
    const std::size_t lf = text.find('\n', start);
    if (lf == std::string_view::npos) {
      line(text.substr(start), LineEnd::kNone);
      return text.size();
    }
    // Only a CR right before the LF belongs to the line end.
    const bool cr = lf > start && text[lf - 1] == '\r';
    line(text.substr(start, lf - start - (cr ? 1 : 0)), cr ? LineEnd::kCrLf : LineEnd::kLf);
    start = lf + 1;
  }
  return start;
}

}  // namespace orv
