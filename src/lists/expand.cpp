#include "lists/expand.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/numbertext.h"
#include "base/strings.h"
#include "base/translate.h"
#include "lists/evaluatelines.h"

namespace orv {
namespace {

// The line without its comment, with every fixed group drawn and its square
// brackets removed (an unclosed "[" is removed with every later "["); or, when
// a group fails, the error line that the whole line becomes.
std::string CutCommentAndFixGroups(std::string_view line) {
  std::string text(line.substr(0, line.find("//")));
  for (std::size_t open = text.find('['); open != text.npos; open = text.find('[')) {
    const std::string head = text.substr(0, open);
    const std::string rest = text.substr(open + 1);
    const TextPos close = MatchClose(rest, ']');
    if (close == 0) {
      text = head + DeleteChar(rest, '[');
      continue;
    }
    Resolution group = ResolveRandomChecked(std::string_view(rest).substr(0, close - 1u));
    if (group.failed) {
      return group.text.starts_with("//") ? group.text : UnexpectedErrorLine(group.text);
    }
    text = head + DropChars(group.text, "[]") + rest.substr(close);
  }
  return text;
}

// A line multiplied out over its first range: its lines are head + n + rest
// for n from the first number to the last. They are made one at a time when
// their turn comes, so a line with several ranges holds one line per range
// rather than a range of lines per range.
struct Range {
  std::string head;
  std::string rest;
  std::int64_t next = 0;
  std::int64_t step = 1;
  std::int64_t remaining = 0;
  std::int64_t made = 0;
  bool restHasComment = false;
  std::uint32_t outputBeforeFirst = 0;  // the output's count when line 1 began
};

// The first range of a line that holds "#". Nothing when the "#" starts no
// range (the line makes nothing) or when "to" is missing (the error line goes
// to the output instead).
std::optional<Range> FirstRange(std::string_view source, std::string_view text, BufferO& output) {
  const std::size_t hash = text.find('#');
  if (text.size() - hash < 3) return std::nullopt;
  const char next = text[hash + 1];
  if (next != '-' && (next < '0' || next > '9')) return std::nullopt;
  Range range;
  range.head = text.substr(0, hash);
  range.rest = text.substr(hash + 1);
  const std::string first = TakeInteger(range.rest);
  if (UpperAZ(LeftPart(range.rest, 2)) != "TO") {
    // "to" is the list's own word, the same in every language.
    output.Add("// " + Filled(TrText("Expressions",
                                     "The spelling file has errors the keyword "
                                     "\"to\" was expected on line:%1 after:%2"),
                              std::string(source), range.head + first));
    return std::nullopt;
  }
  range.rest.erase(0, 2);
  const std::string second = TakeInteger(range.rest);
  const std::int64_t from = NumOf(first);
  const std::int64_t to = NumOf(second);
  range.next = from;
  range.step = to >= from ? 1 : -1;
  range.remaining = (to >= from ? to - from : from - to) + 1;
  // The lines of a range make a line buffer's worth at most; a longer range
  // fails as the buffer's Add does, before any of its lines is made.
  if (range.remaining > std::int64_t{BufferO::kMaxLines}) {
    RaiseBufferFull();
  }
  range.restHasComment = range.rest.find("//") != std::string::npos;
  return range;
}

// The characters of a range line outside its ranges.
constexpr std::string_view kRangeLineChars = "0123456789+-*xX/";
// Range bounds of more digits could pass what a 32-bit bound holds.
constexpr std::size_t kLongestBound = 9;
// Longer lines are refused by the text functions of the general way.
constexpr std::size_t kLongestRangeLine = 65535;

// Reads "[-]digits" at i for a range bound.
std::optional<std::int32_t> ReadBound(std::string_view text, std::size_t& i) {
  const std::size_t start = i;
  if (i < text.size() && text[i] == '-') ++i;
  const std::size_t digits = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  if (i == digits || i - digits > kLongestBound) return std::nullopt;
  std::int32_t value = 0;
  std::from_chars(text.data() + start, text.data() + i, value);
  return value;
}

}  // namespace

std::optional<RangeLines> RangeLines::Of(std::string_view line) {
  // Comments ("//") and the other blank-free forms go the general way.
  if (line.size() < 2 || line.size() > kLongestRangeLine || line[0] != '$' ||
      line.find("//") != line.npos) {
    return std::nullopt;
  }
  RangeLines lines;
  std::string piece = "$";
  for (std::size_t i = 1; i < line.size();) {
    if (line[i] != '#') {
      if (kRangeLineChars.find(line[i]) == std::string_view::npos) return std::nullopt;
      piece += line[i++];
      continue;
    }
    ++i;
    const std::optional<std::int32_t> from = ReadBound(line, i);
    if (!from || i + 2 > line.size() || UpperAZ(line.substr(i, 2)) != "TO") return std::nullopt;
    i += 2;
    const std::optional<std::int32_t> to = ReadBound(line, i);
    if (!to) return std::nullopt;
    Range range;
    range.from = *from;
    range.step = *to >= *from ? 1 : -1;
    range.size = static_cast<std::uint32_t>((*to >= *from ? *to - *from : *from - *to) + 1);
    if (std::uint64_t{lines.count_} * range.size > BufferO::kMaxLines) return std::nullopt;
    lines.count_ *= range.size;
    lines.ranges_.push_back(range);
    lines.pieces_.push_back(std::move(piece));
    piece.clear();
  }
  lines.pieces_.push_back(std::move(piece));
  return lines;
}

bool RangeLines::Next(std::string& entry) {
  if (made_ == count_) return false;
  // The rightmost range varies fastest.
  if (made_ > 0) {
    for (std::size_t r = ranges_.size(); r-- > 0;) {
      if (++ranges_[r].at < ranges_[r].size) break;
      ranges_[r].at = 0;
    }
  }
  ++made_;
  entry.assign(pieces_[0]);
  for (std::size_t r = 0; r < ranges_.size(); ++r) {
    const Range& range = ranges_[r];
    const std::int64_t value = std::int64_t{range.from} + std::int64_t{range.step} * range.at;
    char digits[16];
    entry.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    entry += pieces_[r + 1];
  }
  return true;
}

void ExpandLine(BufferO& output, std::string_view line) {
  // Lines with several ranges are expanded again and again; an explicit stack
  // instead of recursion keeps a line with very many ranges off the call stack.
  std::vector<Range> stack;
  auto expand = [&](std::string_view source) {
    const std::string text = CutCommentAndFixGroups(source);
    if (text.starts_with("//") || text.find('#') == text.npos) {
      if (!text.empty()) output.Add(text);
    } else if (std::optional<Range> range = FirstRange(source, text, output)) {
      stack.push_back(std::move(*range));
    }
  };
  expand(line);
  while (!stack.empty()) {
    Range& top = stack.back();
    // The lines of one range differ only in the number written for it, so
    // what follows the number (further ranges, or a "#" that starts none) is
    // the same for all of them: when the first line made nothing, so would
    // every other, and they are skipped rather than expanded in vain, which
    // for several large ranges would take practically forever.
    const bool firstMadeNothing = top.made == 1 && output.Count() == top.outputBeforeFirst;
    if (top.remaining == 0 || firstMadeNothing) {
      stack.pop_back();
      continue;
    }
    if (top.made == 0) top.outputBeforeFirst = output.Count();
    const std::string entry = top.head + IntText(static_cast<std::int32_t>(top.next)) + top.rest;
    top.next += top.step;
    --top.remaining;
    ++top.made;
    if (top.restHasComment || entry.starts_with("//") || entry.find('#') == entry.npos) {
      output.Add(entry);
    } else {
      expand(entry);  // may push onto the stack: top is not used after this
    }
  }
}

}  // namespace orv
