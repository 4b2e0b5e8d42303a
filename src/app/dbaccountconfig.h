#pragma once
// The database account from the configuration: the values dbUser and
// dbPassword of the program's key, in the machine-wide file and then in the
// program directory's orv.ini, which wins. What neither names stays the
// built-in account.
#include <string>
#include <string_view>

#include "scores/dbaccount.h"

namespace orv {

// The configuration every program directory of the machine shares.
inline constexpr std::string_view kMachineIni = "/etc/orv/orv.ini";

// Raises E_Orv_Error, naming the value and its file, for a text the engine
// cannot take (see DbAccountTextProblem).
DbAccount ConfiguredDatabaseAccount(const std::string& machineIni, const std::string& programIni);

}  // namespace orv
