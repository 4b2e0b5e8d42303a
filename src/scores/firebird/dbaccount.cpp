#include "scores/firebird/dbaccount.h"

#include <algorithm>

#include "base/translate.h"
#include "scores/firebird/parameterblock.h"

namespace orv {
std::string DbAccountTextProblem(std::string_view what, std::string_view text) {
  if (std::string problem = ParameterTextProblem(what, text, kShortTextBytes); !problem.empty()) {
    return problem;
  }
  const bool ascii = std::all_of(text.begin(), text.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  // what is a text marked in context "ScoreDatabase".
  return ascii ? std::string()
               : Filled(TrText("ScoreDatabase",
                               "%1 holds letters other than plain ASCII, which the database "
                               "driver cannot pass on"),
                        TrText("ScoreDatabase", std::string(what).c_str()));
}

std::string DbAccountProblem(const DbAccount& account) {
  std::string problem = DbAccountTextProblem(
      QT_TRANSLATE_NOOP("ScoreDatabase", "The database user name"), account.user);
  return problem.empty()
             ? DbAccountTextProblem(QT_TRANSLATE_NOOP("ScoreDatabase", "The database password"),
                                    account.password)
             : problem;
}

}  // namespace orv
