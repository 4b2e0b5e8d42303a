#include "lists/expand.h"

#include <cstdint>
#include <string>
#include <vector>

#include "app/strings.h"
#include "lists/evaluatelines.h"

namespace orv {
namespace {

constexpr std::string_view kToExpected =
    "// The spelling file has errors the keyword \"to\" was expected on line:";

constexpr std::string_view kUnexpected = "//unexpected error in line:";

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
      return group.text.starts_with("//") ? group.text : std::string(kUnexpected) + group.text;
    }
    text = head + DropChars(group.text, "[]") + rest.substr(close);
  }
  return text;
}

// The lines of the first range of a line that holds "#", written into work
// (nothing when the "#" starts no range; an error line when "to" is missing).
// Returns whether the text after the range holds a comment mark.
bool ExpandFirstRange(std::string_view source, std::string_view text, BufferO& work) {
  const std::size_t hash = text.find('#');
  if (text.size() - hash < 3) return false;
  const char next = text[hash + 1];
  if (next != '-' && (next < '0' || next > '9')) return false;
  const std::string head(text.substr(0, hash));
  std::string rest(text.substr(hash + 1));
  const std::string first = TakeInteger(rest);
  if (UpperAZ(LeftPart(rest, 2)) != "TO") {
    work.Add(std::string(kToExpected) + std::string(source) + " after:" + head + first);
    return rest.find("//") != rest.npos;
  }
  rest.erase(0, 2);
  const std::string second = TakeInteger(rest);
  const std::int64_t from = NumOf(first);
  const std::int64_t to = NumOf(second);
  const std::int64_t step = to >= from ? 1 : -1;
  for (std::int64_t n = from;; n += step) {
    work.Add(head + IntText(static_cast<std::int32_t>(n)) + rest);
    if (n == to) break;
  }
  return rest.find("//") != rest.npos;
}

// One line being multiplied out over its first range; its lines are expanded
// further in order.
struct Pending {
  BufferO work;
  std::uint32_t next = 1;
  bool restHasComment = false;
};

}  // namespace

void ExpandLine(BufferO& output, std::string_view line) {
  // Lines with several ranges are expanded again and again; an explicit stack
  // instead of recursion keeps a line with very many ranges off the call stack.
  std::vector<Pending> stack;
  auto expand = [&](std::string_view source) {
    const std::string text = CutCommentAndFixGroups(source);
    if (text.starts_with("//") || text.find('#') == text.npos) {
      if (!text.empty()) output.Add(text);
      return;
    }
    Pending pending;
    pending.restHasComment = ExpandFirstRange(source, text, pending.work);
    stack.push_back(std::move(pending));
  };
  expand(line);
  while (!stack.empty()) {
    Pending& top = stack.back();
    if (top.next > top.work.Count()) {
      stack.pop_back();
      continue;
    }
    const std::string entry = top.work.Get(static_cast<LineNo>(top.next++));
    if (top.restHasComment || entry.starts_with("//") || entry.find('#') == entry.npos) {
      output.Add(entry);
    } else {
      expand(entry);
    }
  }
}

}  // namespace orv
