#include "lists/compile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "base/errors.h"
#include "base/strings.h"
#include "base/translate.h"
#include "base/utf8.h"
#include "lists/answerdirectives.h"
#include "lists/compilesettings.h"
#include "lists/evaluatelines.h"
#include "lists/evaluator.h"
#include "lists/expand.h"
#include "numbers/workbudget.h"

namespace orv {
namespace {

constexpr std::string_view kScript = "$SCRIPT";
constexpr std::string_view kScriptOff = "$SCRIPTOFF";
constexpr std::string_view kDecimalPoints = "$DECIMAL POINTS";
constexpr std::array<std::string_view, 7> kDirectives = {
    kScript,   kScriptOff, kDecimalPoints, "$NOSORT", "$RANDOMIZEEXPANDON", "$RANDOMIZEEXPANDOFF",
    "$TESTDAY"};
constexpr std::size_t kLongestDirective = 19;

bool BeginsWith(std::string_view upperLine, std::string_view word) {
  return upperLine.substr(0, word.size()) == word;
}

// The decimal places of a "$Decimal points" line: the digits after the
// directive word, of which the first two count, at most 18.
int DecimalPointsValue(std::string_view line) {
  const std::string digits =
      LeftPart(KeepChars(DropLeft(line, kDecimalPoints.size()), "0123456789"), 2);
  if (digits.empty()) {
    throw EConvertError(
        TrText("ListCompiler", "\"$Decimal points\" needs the number of places after it, 0 to 18"));
  }
  const int value = std::stoi(digits);
  return value > 18 ? 18 : value;
}

// Whether a line is copied as it stands when script mode is on.
bool IsPlainScriptLine(std::string_view line) {
  if (line.empty()) return false;
  if (line.size() == 1) return line != "$";
  if (line[0] == '$') return false;
  return !line.starts_with("//");
}

// The reasons of error lines; the line quoted follows the ones ending in ": ".
constexpr char kNoQuestion[] = QT_TRANSLATE_NOOP("ListCompiler", "the line makes no question: ");
constexpr char kNoAnswer[] = QT_TRANSLATE_NOOP("ListCompiler", "the question has no answer: ");
constexpr char kUntypable[] =
    QT_TRANSLATE_NOOP("ListCompiler", "the answer holds a character no one can type");
constexpr char kTooLong[] =
    QT_TRANSLATE_NOOP("ListCompiler", "the answer is longer than an answer box takes: ");
constexpr char kListFull[] = QT_TRANSLATE_NOOP(
    "ListCompiler",
    "the list would hold more than 65535 questions: the rest of this line is left out");
// Error lines quote this much of their line.
constexpr std::size_t kShownChars = 80;
// The answer windows take at most this many characters.
constexpr std::size_t kLongestAnswer = 32767;

CompiledLine Failed(std::string text) {
  return {std::move(text), true, -1};
}

bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
}

// A line is asked with its answer: the text after the first "|", or the
// whole line for a word. One that no typed answer can match is an error line.
CompiledLine Checked(CompiledLine line) {
  const std::size_t bar = line.text.find('|');
  const std::string_view answer = bar == std::string::npos
                                      ? std::string_view(line.text)
                                      : std::string_view(line.text).substr(bar + 1);
  const auto shown = [&line] { return CutToCharacters(line.text, kShownChars); };
  if (answer.empty()) return Failed(ErrorLine("ListCompiler", kNoAnswer) + shown());
  if (IsErrorText(answer)) return Failed(std::string(answer));
  if (HasControlCharacter(answer)) return Failed(ErrorLine("ListCompiler", kUntypable));
  if (answer.size() > kLongestAnswer &&
      CutToCharacters(answer, kLongestAnswer).size() < answer.size()) {
    return Failed(ErrorLine("ListCompiler", kTooLong) + shown());
  }
  return line;
}

// The compiled line of one expanded line.
CompiledLine Evaluated(std::string_view expanded, int places) {
  EvaluatedLine evaluated = EvaluateLine(expanded, places);
  if (evaluated.text.starts_with("//")) return Failed(std::move(evaluated.text));
  return Checked({std::move(evaluated.text), false, evaluated.places});
}

}  // namespace

bool IsDirective(std::string_view line) {
  if (!line.starts_with('$')) return false;
  if (PolicyDirectiveOf(line)) return true;
  const std::string upper = UpperAZ(line.substr(0, kLongestDirective));
  for (std::string_view word : kDirectives) {
    if (BeginsWith(upper, word)) return true;
  }
  return false;
}

bool ApplyDirective(std::string_view line, CompileSettings& settings) {
  const std::string upper = UpperAZ(line.substr(0, kLongestDirective));
  if (BeginsWith(upper, kScriptOff)) {
    settings.scriptMode = false;
  } else if (BeginsWith(upper, kScript)) {
    settings.scriptMode = true;
  } else if (BeginsWith(upper, kDecimalPoints)) {
    settings.decimalPlaces = DecimalPointsValue(line);
  } else if (const std::optional<PolicyDirective> policy = PolicyDirectiveOf(line)) {
    settings.policy.*policy->field = policy->on;
  } else if (!IsDirective(line)) {
    return false;
  }
  return true;
}

namespace {

// Hands each compiled line of a source line to add in turn, so that a long
// expression line is not held twice; returns the kind of the source line.
using LineSink = std::function<void(CompiledLine&&)>;
SourceKind CompileSourceLineTo(std::string_view line, CompileSettings& settings,
                               const LineSink& add) {
  if (IsDirective(line)) {
    try {
      ApplyDirective(line, settings);
    } catch (const E_Orv_Error& e) {
      add(Failed(FailureLine(e.what())));
    }
    return SourceKind::Directive;
  }
  // An empty line is no question in either mode (cleaning removes it first).
  if (line.empty()) return SourceKind::Skipped;
  if (!settings.scriptMode || IsPlainScriptLine(line)) {
    add(Checked({std::string(line), false, -1}));
    return SourceKind::Plain;
  }
  if (line.size() < 2 || line[0] != '$') return SourceKind::Skipped;
  if (std::optional<RangeLines> ranges = RangeLines::Of(line)) {
    std::string expanded;
    while (ranges->Next(expanded)) add(Evaluated(expanded, settings.decimalPlaces));
    return SourceKind::Expression;
  }
  BufferO work;
  try {
    ExpandLine(work, line);
  } catch (const E_Orv_Error& e) {
    add(Failed(FailureLine(e.what())));
    return SourceKind::Expression;
  }
  if (work.Count() == 0) {
    add(Failed(ErrorLine("ListCompiler", kNoQuestion) + CutToCharacters(line, kShownChars)));
    return SourceKind::Expression;
  }
  for (std::uint32_t k = 1; k <= work.Count(); ++k) {
    const std::string& expanded = work.Line(static_cast<LineNo>(k));
    add(expanded.starts_with("$") ? Evaluated(expanded, settings.decimalPlaces) : Failed(expanded));
  }
  return SourceKind::Expression;
}

}  // namespace

CompiledSource CompileSourceLine(std::string_view line, CompileSettings& settings) {
  CompiledSource source{SourceKind::Skipped, {}};
  source.kind = CompileSourceLineTo(line, settings, [&source](CompiledLine&& compiled) {
    source.lines.push_back(std::move(compiled));
  });
  return source;
}

BufferO CompileLines(const BufferO& source, const FailureSink& onFailure, AnswerPlaces* places,
                     AnswerPolicies* policies, LineItems* items, CompileSettings* carried) {
  CompileSettings own;
  CompileSettings& settings = carried != nullptr ? *carried : own;
  DecimalPlacesKeeper keeper(settings);
  WorkBudget budget(kListWork);
  settings.scriptMode = false;
  settings.policy = {};
  BufferO compiled;
  for (std::uint32_t i = 1; i <= source.Count(); ++i) {
    const auto index = static_cast<LineNo>(i);
    bool full = false;
    bool spent = false;
    CompileSourceLineTo(source.Line(index), settings, [&](CompiledLine&& line) {
      if (full) return;
      if (line.error) {
        // Once the list's work is spent, every later question of the line
        // fails for that one cause, which is told once.
        if (spent) return;
        spent = WorkSpent();
        onFailure(index, line.text);
      } else if (compiled.Count() == BufferO::kMaxLines) {
        // The rest of a line that overflows the list fails once, as one line.
        onFailure(index, ErrorLine("ListCompiler", kListFull));
        full = true;
      } else {
        compiled.Add(line.text);
        if (items != nullptr && line.text != source.Line(index)) {
          items->emplace(line.text, source.Line(index));
        }
        if (places != nullptr && line.places >= 0) (*places)[line.text] = line.places;
        if (policies != nullptr && !settings.policy.SaysNothing()) {
          policies->emplace(line.text, settings.policy);
        }
      }
    });
  }
  return compiled;
}

std::string CompileWarningText(std::size_t errorCount) {
  return Filled(TrText("ListCompiler",
                       " There are %1 Errors in the spelling file please check it! The error count "
                       "is only aproximate and will count expanded lines and/or sometime only the "
                       "first error etc."),
                std::to_string(errorCount));
}

std::size_t CompileList(BufferO& buffer, Dialogs& dialogs, AnswerPlaces* places,
                        AnswerPolicies* policies, LineItems* items, CompileSettings* carried) {
  std::size_t errors = 0;
  BufferO compiled = CompileLines(
      buffer, [&errors](LineNo, const std::string&) { ++errors; }, places, policies, items,
      carried);
  buffer = std::move(compiled);
  if (errors > 0) dialogs.Warning(CompileWarningText(errors));
  return errors;
}

}  // namespace orv
