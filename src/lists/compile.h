#pragma once
// The list compiler: turns the lines of a loaded word list into the compiled
// list, one question per line. Directive lines change the compile settings;
// in script mode "$" lines are expanded into generated questions and "//"
// lines are comments.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/dialogs.h"
#include "judging/answerpolicy.h"
#include "lists/buffers.h"
#include "lists/compilesettings.h"

namespace orv {

// Whether the line begins with a directive word (in any letter case).
bool IsDirective(std::string_view line);

// Performs a directive on the settings and returns true; returns false and
// changes nothing for any other line. A "$Decimal points" line without a
// digit raises EConvertError.
bool ApplyDirective(std::string_view line, CompileSettings& settings);

// The work one list's arithmetic may take, in limb steps of the exact
// arithmetic (a few seconds of a school computer's time at most). A list
// that needs more compiles its lines up to the one that passes it; that
// line and every later one that calculates are error lines.
inline constexpr std::uint64_t kListWork = 300'000'000;

// One line the compiler makes of a source line: a question, or an error line
// (beginning "//") that says why the source line cannot be asked.
struct CompiledLine {
  std::string text;
  bool error = false;
  // The decimal places a generated answer was rounded with; -1 for a line
  // taken as it stands.
  int places = -1;
};

enum class SourceKind {
  Directive,   // changes the compile settings; makes no question
  Skipped,     // a comment, an empty line or a lone "$" in script mode
  Plain,       // taken as it stands
  Expression,  // an expression line; its generated lines follow
};

struct CompiledSource {
  SourceKind kind;
  std::vector<CompiledLine> lines;
};

// What one source line compiles to under the settings as they stand (a
// directive changes them). Every line that could not be asked is an error
// line instead: an empty answer, an answer that is an error text or holds a
// character no one can type, an expression line that makes no question, and
// a failure of its arithmetic or of the directive.
CompiledSource CompileSourceLine(std::string_view line, CompileSettings& settings);

// Told of every line that cannot be asked: the number of the source line
// that made it, and its error line.
using FailureSink = std::function<void(LineNo sourceLine, const std::string& result)>;

// The decimal places each compiled line with a generated answer was rounded
// with, by the line's text.
using AnswerPlaces = std::unordered_map<std::string, int>;

// The answer policy each compiled line is judged under, by the line's text;
// a line whose list said nothing of it is not there.
using AnswerPolicies = std::unordered_map<std::string, AnswerPolicy>;

// The source line each generated line of an expression line came from, by
// the generated line's text; a line taken as it stands is not there.
using LineItems = std::unordered_map<std::string, std::string>;

// Compiles a list without showing anything and returns the compiled lines,
// under one work budget (kListWork). Script mode is off and the answer
// policy says nothing at the start; the decimal places are restored at the
// end. A line that would take the list beyond a buffer's limit is an error
// line. The settings start as the program starts them; when carried is
// given, the compile starts from its decimal places and leaves its script
// mode as the list's last directive left it, for the compiled view that
// follows.
BufferO CompileLines(const BufferO& source, const FailureSink& onFailure,
                     AnswerPlaces* places = nullptr, AnswerPolicies* policies = nullptr,
                     LineItems* items = nullptr, CompileSettings* carried = nullptr);

// The warning shown when generated lines failed.
std::string CompileWarningText(std::size_t errorCount);

// Replaces the buffer's lines by the compiled list and shows the warning when
// lines failed; returns the number of failed lines.
std::size_t CompileList(BufferO& buffer, Dialogs& dialogs, AnswerPlaces* places = nullptr,
                        AnswerPolicies* policies = nullptr, LineItems* items = nullptr,
                        CompileSettings* carried = nullptr);

}  // namespace orv
