#pragma once
// The account the program uses on every score database. The embedded engine
// takes the name without checking; a server checks both, so a school gives
// Orv a Firebird user of its own in the configuration.
#include <string>

#include "scores/firebird/fbclient.h"

namespace orv {

struct DbAccount {
  std::string user = kDbUser;
  std::string password = kDbPassword;
};

// The account in force; the built-in one until SetDatabaseAccount.
const DbAccount& DatabaseAccount();
void SetDatabaseAccount(DbAccount account);

}  // namespace orv
