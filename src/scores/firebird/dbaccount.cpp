#include "scores/firebird/dbaccount.h"

#include <algorithm>

#include "scores/firebird/parameterblock.h"

namespace orv {
std::string DbAccountTextProblem(std::string_view what, std::string_view text) {
  if (std::string problem = ParameterTextProblem(what, text, kShortTextBytes); !problem.empty()) {
    return problem;
  }
  const bool ascii = std::all_of(text.begin(), text.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return ascii ? std::string()
               : std::string(what) +
                     " holds letters other than plain ASCII, which the database driver cannot "
                     "pass on";
}

std::string DbAccountProblem(const DbAccount& account) {
  std::string problem = DbAccountTextProblem("The database user name", account.user);
  return problem.empty() ? DbAccountTextProblem("The database password", account.password)
                         : problem;
}

}  // namespace orv
