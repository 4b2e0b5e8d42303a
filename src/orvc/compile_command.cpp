// orvc compile FILE: the compiled list as a test would ask it.
#include <ostream>

#include "judging/answerpolicy.h"
#include "lists/compile.h"
#include "orvc/command.h"
#include "orvc/consoledialogs.h"
#include "orvc/wordlistinput.h"

namespace orv::orvc {
namespace {

int RunCompile(const Invocation& inv) {
  if (inv.args.size() != 1) throw CommandError{"usage: orvc compile FILE"};
  const std::string& path = inv.args.front();
  WordListInput input = ReadWordList(path);
  std::size_t errors = 0;
  AnswerPolicies policies;
  input.lines = CompileReporting(path, input, *inv.err, errors, &policies);
  if (errors > 0) ConsoleDialogs(*inv.err).Warning(CompileWarningText(errors));
  if (!input.noSort) input.lines.Sort();
  for (LineNo i : LineNumbers(input.lines.Count())) {
    const std::string& line = input.lines.Line(i);
    *inv.out << line;
    // A line judged under what its list says is marked after a tab.
    if (const auto found = policies.find(line); found != policies.end()) {
      *inv.out << "\t[" << PolicyMarks(found->second) << ']';
    }
    *inv.out << '\n';
  }
  inv.out->flush();
  return errors > 0 ? 1 : 0;
}

}  // namespace

ORVC_COMMAND(
    "compile", "orvc compile FILE",
    "print the compiled list of a word list, one question per line, sorted unless it "
    "holds $noSort; a line judged under what its list says of answers is marked after a tab "
    "([ignoreCase alternatives]); each line that cannot be asked is named on standard error, with "
    "the "
    "count (exit 1)",
    RunCompile);

}  // namespace orv::orvc
