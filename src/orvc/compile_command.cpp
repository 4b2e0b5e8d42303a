// orvc compile FILE: the compiled list as a test would ask it.
#include <ostream>

#include "app/errors.h"
#include "lists/compile.h"
#include "orvc/command.h"
#include "orvc/console_dialogs.h"
#include "orvc/word_list_input.h"

namespace orv::orvc {
namespace {

int RunCompile(const Invocation& inv) {
  if (inv.args.size() != 1) throw CommandError{"usage: orvc compile FILE"};
  const std::string& path = inv.args.front();
  WordListInput input = ReadWordList(path);
  ConsoleDialogs dialogs(*inv.err);
  std::size_t errors = 0;
  try {
    errors = CompileList(input.lines, dialogs);
  } catch (const E_Orv_Error& e) {
    throw CommandError{AbandonedText(path, e.what()), 1};
  }
  if (!input.noSort) input.lines.Sort();
  for (LineNo i : LineNumbers(input.lines.Count())) *inv.out << input.lines.Line(i) << '\n';
  inv.out->flush();
  return errors > 0 ? 1 : 0;
}

}  // namespace

ORVC_COMMAND("compile", "orvc compile FILE",
             "print the compiled list of a word list, one question per line, sorted unless it "
             "holds $noSort; failed lines are counted on standard error (exit 1)",
             RunCompile);

}  // namespace orv::orvc
