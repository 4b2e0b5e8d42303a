#include "lists/compile.h"

#include <array>
#include <cstdint>
#include <utility>

#include "app/errors.h"
#include "app/strings.h"
#include "lists/compilesettings.h"
#include "lists/evaluatelines.h"
#include "lists/expand.h"

namespace orv {
namespace {

constexpr std::string_view kScript = "$SCRIPT";
constexpr std::string_view kScriptOff = "$SCRIPTOFF";
constexpr std::string_view kDecimalPoints = "$DECIMAL POINTS";
constexpr std::array<std::string_view, 6> kDirectives = {
    kScript, kScriptOff, kDecimalPoints, "$NOSORT", "$RANDOMIZEEXPANDON", "$RANDOMIZEEXPANDOFF"};
constexpr std::size_t kLongestDirective = 19;

bool BeginsWith(std::string_view upperLine, std::string_view word) {
  return upperLine.substr(0, word.size()) == word;
}

// The decimal places of a "$Decimal points" line: the digits after the
// directive word, of which the first two count, at most 18.
int DecimalPointsValue(std::string_view line) {
  const std::string digits =
      LeftPart(KeepChars(DropLeft(line, kDecimalPoints.size()), "0123456789"), 2);
  if (digits.empty()) throw EConvertError::NotInteger(digits);
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

}  // namespace

bool IsDirective(std::string_view line) {
  const std::string upper = UpperAZ(line.substr(0, kLongestDirective));
  for (std::string_view word : kDirectives) {
    if (BeginsWith(upper, word)) return true;
  }
  return false;
}

bool ApplyDirective(std::string_view line) {
  const std::string upper = UpperAZ(line.substr(0, kLongestDirective));
  CompileSettings& settings = TheCompileSettings();
  if (BeginsWith(upper, kScriptOff)) {
    settings.scriptMode = false;
  } else if (BeginsWith(upper, kScript)) {
    settings.scriptMode = true;
  } else if (BeginsWith(upper, kDecimalPoints)) {
    settings.decimalPlaces = DecimalPointsValue(line);
  } else if (!IsDirective(line)) {
    return false;
  }
  return true;
}

BufferO CompileLines(const BufferO& source, const FailureSink& onFailure) {
  DecimalPlacesKeeper keeper;
  TheCompileSettings().scriptMode = false;
  BufferO compiled;
  BufferO work;
  for (std::uint32_t i = 1; i <= source.Count(); ++i) {
    const auto index = static_cast<LineNo>(i);
    const std::string& line = source.Line(index);
    if (IsDirective(line)) {
      ApplyDirective(line);
    } else if (!TheCompileSettings().scriptMode || IsPlainScriptLine(line)) {
      compiled.Add(line);
    } else if (line.size() >= 2 && line[0] == '$') {
      work.Clear();
      ExpandLine(work, line);
      EvaluateLines(work);
      for (std::uint32_t k = 1; k <= work.Count(); ++k) {
        const std::string& result = work.Line(static_cast<LineNo>(k));
        if (result.size() < 2 || result.starts_with("//")) {
          onFailure(index, result);
        } else {
          compiled.Add(result);
        }
      }
    }
  }
  return compiled;
}

std::string CompileWarningText(std::size_t errorCount) {
  return " There are " + std::to_string(errorCount) +
         " Errors in the spelling file please check it! The error count is only aproximate and "
         "will count expanded lines and/or sometime only the first error etc.";
}

std::size_t CompileList(BufferO& buffer, Dialogs& dialogs) {
  std::size_t errors = 0;
  BufferO compiled = CompileLines(buffer, [&errors](LineNo, const std::string&) { ++errors; });
  buffer = std::move(compiled);
  if (errors > 0) dialogs.Warning(CompileWarningText(errors));
  return errors;
}

}  // namespace orv
