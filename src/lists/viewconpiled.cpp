#include "lists/viewconpiled.h"

#include "lists/compile.h"
#include "lists/compilesettings.h"
#include "lists/evaluatelines.h"
#include "lists/expand.h"

namespace orv {

std::vector<ViewLine> CompiledViewLines(const BufferO& source) {
  DecimalPlacesKeeper keeper;
  std::vector<ViewLine> view;
  BufferO work;
  for (std::uint32_t i = 1; i <= source.Count(); ++i) {
    const std::string& line = source.Line(static_cast<LineNo>(i));
    if (ApplyDirective(line) || !TheCompileSettings().scriptMode) {
      view.push_back({line, ViewLineKind::Directive});
      continue;
    }
    // Every other line goes through the expansion in script mode, not only
    // "$" lines, so the view shows what expansion would make of it.
    work.Clear();
    ExpandLine(work, line);
    EvaluateLines(work);
    if (work.Count() == 0) {
      view.push_back({line, ViewLineKind::NoResult});
    } else if (work.Count() == 1 && work.Line(1) == line) {
      view.push_back({line, ViewLineKind::Plain});
    } else {
      view.push_back({line, ViewLineKind::Expression, line.find("//", 1)});
      for (std::uint32_t k = 1; k <= work.Count(); ++k) {
        view.push_back({work.Line(static_cast<LineNo>(k)), ViewLineKind::Result});
      }
    }
  }
  return view;
}

}  // namespace orv
