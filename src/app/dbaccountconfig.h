#pragma once
// The database account from the configuration: the values dbUser and
// dbPassword of the program's key, in the machine-wide file, then in the
// program directory's orv.ini, then in the teachers' file, which wins where
// this account may read it. What none names stays the built-in account.
// On an installed machine the first names the learners' account of the
// local server and only the teachers' group reads the last.
#include <string>
#include <string_view>

#include "scores/firebird/dbaccount.h"

namespace orv {

// The configuration every program directory of the machine shares.
inline constexpr std::string_view kMachineIni = "/etc/orv/orv.ini";
// The teachers' account of the machine's server, for the teachers' group.
inline constexpr std::string_view kTeachersIni = "/etc/orv/teachers.ini";

// Raises E_Orv_Error, naming the value and its file, for a text the engine
// cannot take (see DbAccountTextProblem).
DbAccount ConfiguredDatabaseAccount(const std::string& machineIni, const std::string& programIni,
                                    const std::string& teachersIni);

}  // namespace orv
