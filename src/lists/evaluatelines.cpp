#include "lists/evaluatelines.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/errors.h"
#include "base/strings.h"
#include "base/translate.h"
#include "base/utf8.h"
#include "lists/evaluator.h"
#include "lists/math.h"
#include "lists/numberkinds.h"
#include "lists/randomvalue.h"
#include "lists/textscan.h"

namespace orv {
namespace {

// The reasons of error lines; the line follows with a ^ where it fails.
constexpr char kRandNeedsColon[] =
    QT_TRANSLATE_NOOP("Expressions", "rand function marked with ^ needs \":\" ");
constexpr char kRandNeedsParen[] =
    QT_TRANSLATE_NOOP("Expressions", "rand function marked with ^ needs \")\" ");
constexpr char kFunctionNeedsParen[] =
    QT_TRANSLATE_NOOP("Expressions", "function marked with ^ needs \")\" ");
constexpr char kBadDecimalPoints[] =
    QT_TRANSLATE_NOOP("Expressions", "the number of decimal points should be 0 to 18");
// What an expression may still hold once its groups and calls are resolved.
constexpr std::string_view kArithmeticChars = "0123456789.eE+-*/xX()<>=^ \r\n\t";

char UpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The first position at or after from where word (in capitals) stands in the
// text in any letter case; npos when it does not.
std::size_t FindNoCase(std::string_view text, std::string_view word, std::size_t from = 0) {
  if (word.size() > text.size()) return std::string_view::npos;
  for (std::size_t i = from; i + word.size() <= text.size(); ++i) {
    std::size_t k = 0;
    while (k < word.size() && UpperAscii(text[i + k]) == word[k]) ++k;
    if (k == word.size()) return i;
  }
  return std::string_view::npos;
}

bool OnlyBlanks(std::string_view text) {
  return text.find_first_not_of(' ') == text.npos;
}

// A brace group found in a text: the text before "{", the group up to the
// "}" that closes it (or to the end when none does), and what follows.
struct BraceGroup {
  std::string_view head;
  std::string_view group;
  std::string_view rest;
};

BraceGroup SplitAtBrace(std::string_view text, std::size_t open) {
  std::string_view after = text.substr(open + 1);
  const TextPos close = MatchClose(after, '}');
  if (close == 0) return {text.substr(0, open), after, {}};
  return {text.substr(0, open), after.substr(0, close - 1u), after.substr(close)};
}

// The value of a group or a call's bound. A group whose resolution failed
// keeps its error text as it is: evaluating it would only wrap it, twice over,
// in an evaluation error, and nested groups would double it at every level.
Resolution GroupValue(std::string_view group, int places) {
  Resolution r = ResolveRandomChecked(group, places);
  if (r.failed) return r;
  std::string value = Evaluate(r.text, places);
  const bool failed = value.starts_with("//");
  return {std::move(value), failed};
}

// Whether the expression is only digits and "+-*/xX", which needs nothing
// resolved before it is evaluated (and does not begin as a comment).
bool IsPlainArithmetic(std::string_view expression) {
  if (expression.empty() || expression.starts_with("//")) return false;
  if (!std::all_of(expression.begin(), expression.end(), [](char c) {
        return IsDigit(c) || c == '+' || c == '-' || c == '*' || c == '/' || c == 'x' || c == 'X';
      })) {
    return false;
  }
  TextLength(expression);  // one too long fails here as it does on the general way
  return true;
}

// The compiled form of one expression line given without its "$"; places
// starts as the list's decimal places and becomes those its answer is
// rounded with (a decimal-places call changes them for this line only).
std::string CompileExpression(std::string_view expression, int& places) {
  // Plain arithmetic has no groups, calls or decimal places to resolve, and
  // most generated questions are just that.
  if (IsPlainArithmetic(expression)) {
    std::string answer = Evaluate(expression, places);
    if (answer.find_first_of("()") != std::string::npos) answer = DropChars(answer, "()");
    std::string line;
    line.reserve(expression.size() + 1 + answer.size());
    return line.append(expression).append(1, '|').append(answer);
  }
  std::string text = ResolveGroups(expression, places);
  if (text.starts_with("//")) return text;
  std::string expr = ApplyFPoint(text, places);
  if (AllOf(expr, kArithmeticChars)) return text + "|" + DropChars(Evaluate(expr, places), "()");
  if (expr.starts_with("//")) return expr;
  return UnexpectedErrorLine(expr);
}

}  // namespace

std::string ErrorLine(const char* context, const char* reason) {
  return "//error " + TrText(context, reason);
}

std::string UnexpectedErrorLine(std::string_view text) {
  return "//" + TrText("Expressions", "unexpected error in line:") + std::string(text);
}

std::string FailureLine(std::string_view reason) {
  constexpr std::size_t kShown = 200;
  std::string shown = CutToCharacters(reason, kShown);
  if (shown.size() < reason.size()) shown += "...";
  return "//error " + shown;
}

EvaluatedLine EvaluateLine(std::string_view line, int places) {
  EvaluatedLine result;
  result.places = places;
  try {
    result.text = CompileExpression(line.substr(1), result.places);
  } catch (const E_Orv_Error& e) {
    result.text = FailureLine(e.what());
  }
  return result;
}

void EvaluateLines(BufferO& buffer, int places) {
  for (const LineNo index : LineNumbers(buffer.Count())) {
    const std::string& line = buffer.Line(index);
    if (line.empty() || line[0] != '$') continue;
    buffer.Ovr(EvaluateLine(line, places).text, index);
  }
}

std::string ResolveRandom(std::string_view text, int places) {
  return ResolveRandomChecked(text, places).text;
}

Resolution ResolveRandomChecked(std::string_view text, int places) {
  std::string t(text);
  for (;;) {
    if (const std::size_t at = FindNoCase(t, "RAND("); at != t.npos) {
      const std::string_view view = t;
      const std::string_view head = view.substr(0, at);
      const std::size_t lowStart = SkipSpaces(view, at + 5);
      const std::size_t colon = view.find(':', lowStart);
      if (colon == view.npos) {
        return {ErrorLine("Expressions", kRandNeedsColon) + std::string(head) + "^RAND(" +
                    std::string(view.substr(lowStart)),
                true};
      }
      const std::string low = GroupValue(view.substr(lowStart, colon - lowStart), places).text;
      const std::string_view afterColon = view.substr(SkipSpaces(view, colon + 1));
      const TextPos close = MatchClose(afterColon, ')');
      if (close == 0) {
        return {ErrorLine("Expressions", kRandNeedsParen) + std::string(head) + "^RAND(" + low +
                    ":" + std::string(afterColon),
                true};
      }
      const std::string high = GroupValue(afterColon.substr(0, close - 1u), places).text;
      t = std::string(head) + RandomValue(low, high) + std::string(afterColon.substr(close));
      continue;
    }
    const std::size_t open = t.find('{');
    if (open == t.npos) return {std::move(t), false};
    const BraceGroup g = SplitAtBrace(t, open);
    const Resolution value = GroupValue(g.group, places);
    t = std::string(g.head) + value.text + std::string(g.rest);
    if (value.failed) return {std::move(t), true};
  }
}

std::string ResolveGroups(std::string_view text, int places) {
  // Each group's rest holds the later groups, which are resolved first: split
  // the text into its groups from the left, then resolve them from the right.
  std::vector<BraceGroup> groups;
  std::string_view tail = text;
  for (std::size_t open = tail.find('{'); open != tail.npos; open = tail.find('{')) {
    groups.push_back(SplitAtBrace(tail, open));
    tail = groups.back().rest;
  }
  if (groups.empty()) return ResolveRandom(text, places);
  Resolution rest{std::string(tail), false};
  for (auto g = groups.rbegin(); g != groups.rend(); ++g) {
    Resolution value = GroupValue(g->group, places);
    const bool failed = rest.failed || value.failed;
    std::string joined = (OnlyBlanks(g->head) && OnlyBlanks(rest.text))
                             ? std::move(value.text)
                             : std::string(g->head) + value.text + rest.text;
    rest = failed ? Resolution{std::move(joined), true} : ResolveRandomChecked(joined, places);
  }
  return std::move(rest.text);
}

std::string ApplyFPoint(std::string_view text, int& places) {
  std::size_t at = FindNoCase(text, "FPOINT");
  std::size_t open = text.npos;
  while (at != text.npos) {
    const std::size_t p = SkipSpaces(text, at + 6);
    if (p < text.size() && text[p] == '(') {
      open = p;
      break;
    }
    at = FindNoCase(text, "FPOINT", at + 1);
  }
  if (open == text.npos) return std::string(text);
  const std::string_view head = text.substr(0, at);
  const std::string_view inner = text.substr(SkipSpaces(text, open + 1));
  const TextPos close = MatchClose(inner, ')');
  if (close == 0) {
    return ErrorLine("Expressions", kFunctionNeedsParen) + std::string(head) +
           "^FPOINT(:" + std::string(inner);
  }
  const std::string count = Evaluate(ApplyFPoint(inner.substr(0, close - 1u), places), places);
  if (!IsInteger(count) || CompareStrInt(count, 0) < 0 || CompareStrInt(count, 18) > 0) {
    return ErrorLine("Expressions", kBadDecimalPoints);
  }
  int set = 0;
  for (char c : count) {
    if (c >= '0' && c <= '9') set = set * 10 + (c - '0');
  }
  places = set;
  return std::string(head) + std::string(inner.substr(close));
}

}  // namespace orv
