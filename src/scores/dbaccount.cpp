#include "scores/dbaccount.h"

#include <utility>

namespace orv {
namespace {

DbAccount& TheAccount() {
  static DbAccount account;
  return account;
}

}  // namespace

const DbAccount& DatabaseAccount() {
  return TheAccount();
}

void SetDatabaseAccount(DbAccount account) {
  TheAccount() = std::move(account);
}

}  // namespace orv
