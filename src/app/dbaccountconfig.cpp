#include "app/dbaccountconfig.h"

#include "app/registry.h"

namespace orv {

DbAccount ConfiguredDatabaseAccount(const std::string& machineIni, const std::string& programIni) {
  DbAccount account;
  for (const std::string& file : {machineIni, programIni}) {
    if (auto user = IniValue(file, kOrvKey, "dbUser")) account.user = *user;
    if (auto password = IniValue(file, kOrvKey, "dbPassword")) account.password = *password;
  }
  return account;
}

}  // namespace orv
