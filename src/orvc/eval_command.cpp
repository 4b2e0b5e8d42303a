// orvc eval EXPR: the answer of one expression as a compiled line shows it.
#include <ostream>
#include <string>

#include "base/strings.h"
#include "lists/evaluator.h"
#include "orvc/command.h"

namespace orv::orvc {

namespace {

int RunEval(const Invocation& inv) {
  if (inv.args.empty()) throw CommandError{"eval needs an expression (orvc eval EXPR)"};
  std::string expression;
  for (const std::string& arg : inv.args) {
    if (!expression.empty()) expression += ' ';
    expression += arg;
  }
  std::string answer = DropChars(Evaluate(expression), "()");
  if (IsErrorText(answer)) {
    *inv.err << "orvc: " << answer << "\n";
    return 1;
  }
  *inv.out << answer << "\n";
  return 0;
}

}  // namespace

ORVC_COMMAND("eval", "orvc eval EXPR",
             "print the answer of an arithmetic expression as a compiled line shows it", RunEval);

}  // namespace orv::orvc
