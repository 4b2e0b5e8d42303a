#include "app/dbaccountconfig.h"

#include "app/registry.h"
#include "base/errors.h"

namespace orv {

namespace {

// The value of name in file, when the file holds one the engine can take.
std::optional<std::string> AccountValue(const std::string& file, const char* name) {
  std::optional<std::string> value = IniValue(file, kOrvKey, name);
  if (value) {
    if (std::string problem = DbAccountTextProblem(std::string(name) + " in " + file, *value);
        !problem.empty()) {
      throw E_Orv_Error(problem);
    }
  }
  return value;
}

}  // namespace

DbAccount ConfiguredDatabaseAccount(const std::string& machineIni, const std::string& programIni,
                                    const std::string& teachersIni) {
  DbAccount account;
  // A file this account may not read names nothing.
  for (const std::string& file : {machineIni, programIni, teachersIni}) {
    if (auto user = AccountValue(file, "dbUser")) account.user = *user;
    if (auto password = AccountValue(file, "dbPassword")) account.password = *password;
  }
  return account;
}

}  // namespace orv
