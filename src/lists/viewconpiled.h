#pragma once
// The compiled view without its window: every source line of a list with
// what the compiler makes of it, each line given the kind it is shown as.
#include <cstddef>
#include <string>
#include <vector>

#include "lists/buffers.h"
#include "lists/compilesettings.h"

namespace orv {

enum class ViewLineKind {
  Directive,   // a directive, or any line while script mode is off
  NoResult,    // a line that compiles to nothing (comments, empty lines)
  Plain,       // a line that compiles to itself
  Expression,  // a line that compiles to something else; its results follow
  Result,      // one question an expression compiles to
  Failure,     // an error line: what a line that cannot be asked becomes
};

struct ViewLine {
  std::string text;
  ViewLineKind kind;
  // Where an expression line's comment ("//" after its first character)
  // begins, else npos.
  std::size_t commentAt = std::string::npos;
};

// Compiles the lines of source one by one as the compile does and as the view
// shows them: the questions a test would ask, and under each line that cannot
// be asked its error line. Script mode is taken from the settings as the last
// compile or view left it and is left as the lines leave it; the decimal
// places are restored at the end.
std::vector<ViewLine> CompiledViewLines(const BufferO& source, CompileSettings& settings);

}  // namespace orv
