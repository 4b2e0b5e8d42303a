#pragma once
// The list compiler: turns the lines of a loaded word list into the compiled
// list, one question per line. Directive lines change the compile settings;
// in script mode "$" lines are expanded into generated questions and "//"
// lines are comments.
#include <functional>
#include <string>
#include <string_view>

#include "app/dialogs.h"
#include "lists/buffers.h"

namespace orv {

// Whether the line begins with a directive word (in any letter case).
bool IsDirective(std::string_view line);

// Performs a directive on the compile settings and returns true; returns false
// and changes nothing for any other line. A "$Decimal points" line without a
// digit raises EConvertError.
bool ApplyDirective(std::string_view line);

// Told of every generated line that cannot be asked (an error line or a line
// too short): the number of the source line that made it, and the line.
using FailureSink = std::function<void(LineNo sourceLine, const std::string& result)>;

// Compiles a list without showing anything and returns the compiled lines.
// Script mode is off at the start; the decimal places are restored at the
// end, also when the compile is abandoned by a conversion or arithmetic
// failure or the buffer's limit.
BufferO CompileLines(const BufferO& source, const FailureSink& onFailure);

// The warning shown when generated lines failed.
std::string CompileWarningText(std::size_t errorCount);

// Replaces the buffer's lines by the compiled list and shows the warning when
// lines failed; returns the number of failed lines. When the compile is
// abandoned the exception passes and the buffer is unchanged.
std::size_t CompileList(BufferO& buffer, Dialogs& dialogs);

}  // namespace orv
