// orvc check FILE...: the lines of word lists that do not compile.
#include <algorithm>
#include <ostream>

#include "judging/answerpolicy.h"
#include "lists/answerdirectives.h"
#include "orvc/command.h"
#include "orvc/wordlistinput.h"

namespace orv::orvc {
namespace {

// The answer policy over each range of the file's lines, for a list that sets one.
void ReportPolicies(const std::string& path, const WordListInput& input, std::ostream& out) {
  for (const PolicyRange& range : PolicyRanges(input.lines)) {
    const std::string marks = PolicyMarks(range.policy);
    out << ShownOnTerminal(path) << ':' << input.lineNumbers[range.first - 1u] << '-'
        << input.lineNumbers[range.last - 1u]
        << ": answers: " << (marks.empty() ? "the program's defaults" : marks) << '\n';
  }
}

// Reports the failed lines of one list; returns its exit status (0, 1 or 2).
int CheckList(const Invocation& inv, const std::string& path) {
  WordListInput input;
  try {
    input = ReadWordList(path);
  } catch (const CommandError& e) {
    *inv.err << "orvc: " << e.message << '\n';
    return e.exitCode;
  }
  for (const std::string& warning : input.warnings) *inv.out << warning << '\n';
  ReportPolicies(path, input, *inv.out);
  std::size_t errors = 0;
  CompileReporting(path, input, *inv.out, errors);
  if (errors == 0) {
    *inv.out << ShownOnTerminal(path) << ": no errors\n";
    return 0;
  }
  *inv.out << ShownOnTerminal(path) << ": " << errors << (errors == 1 ? " error\n" : " errors\n");
  return 1;
}

int RunCheck(const Invocation& inv) {
  if (inv.args.empty()) throw CommandError{"usage: orvc check FILE..."};
  int status = 0;
  for (const std::string& path : inv.args) status = std::max(status, CheckList(inv, path));
  inv.out->flush();
  return status;
}

}  // namespace

ORVC_COMMAND(
    "check", "orvc check FILE...",
    "compile each word list without printing it and report every generated line that "
    "fails, with its list, line number and source line, and warn of a Ctrl-Z that hides lines "
    "and of text that is not UTF-8; a list that says what its answers may be has the answer "
    "policy over each range of its lines shown (exit 1 when any list has errors)",
    RunCheck);

}  // namespace orv::orvc
