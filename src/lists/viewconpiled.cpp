#include "lists/viewconpiled.h"

#include "lists/compile.h"
#include "numbers/workbudget.h"

namespace orv {
namespace {

void AddFailures(std::vector<ViewLine>& view, const std::vector<CompiledLine>& lines) {
  for (const CompiledLine& line : lines) {
    if (line.error) view.push_back({line.text, ViewLineKind::Failure});
  }
}

}  // namespace

std::vector<ViewLine> CompiledViewLines(const BufferO& source, CompileSettings& settings) {
  DecimalPlacesKeeper keeper(settings);
  WorkBudget budget(kListWork);
  std::vector<ViewLine> view;
  for (std::uint32_t i = 1; i <= source.Count(); ++i) {
    const std::string& line = source.Line(static_cast<LineNo>(i));
    const CompiledSource compiled = CompileSourceLine(line, settings);
    const bool failed = !compiled.lines.empty() && compiled.lines.front().error;
    switch (compiled.kind) {
      case SourceKind::Directive:
        view.push_back({line, failed ? ViewLineKind::NoResult : ViewLineKind::Directive});
        AddFailures(view, compiled.lines);
        break;
      case SourceKind::Skipped:
        view.push_back({line, ViewLineKind::NoResult});
        break;
      case SourceKind::Plain:
        if (failed) {
          view.push_back({line, ViewLineKind::NoResult});
          AddFailures(view, compiled.lines);
        } else {
          // While script mode is off every line shows as the compile takes it.
          view.push_back(
              {line, settings.scriptMode ? ViewLineKind::Plain : ViewLineKind::Directive});
        }
        break;
      case SourceKind::Expression:
        view.push_back({line, ViewLineKind::Expression, line.find("//", 1)});
        for (const CompiledLine& result : compiled.lines) {
          view.push_back(
              {result.text, result.error ? ViewLineKind::Failure : ViewLineKind::Result});
        }
        break;
    }
  }
  return view;
}

}  // namespace orv
