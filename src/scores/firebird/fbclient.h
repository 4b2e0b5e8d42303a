#pragma once
// What the program does with the Firebird client library directly, below Qt's
// driver: creating a score database from the schema, and one bare attachment
// that reads the engine's own status code when a connection fails.
#include <optional>
#include <string>
#include <string_view>

#include "scores/firebird/dbaccount.h"
#include "scores/firebird/engineerror.h"

namespace orv {

// True for a path the embedded engine opens (a file on this machine); false
// for a server's address: "host:/path", "host/port:/path", "inet://...".
bool IsLocalDatabasePath(const std::string& path);

// Each attaches and creates as the account.

// Attaches to the database once and detaches; the engine's error when the
// attachment fails, std::nullopt when it succeeds. Like every attachment,
// raises E_DB_Error before the engine is prepared (RequirePreparedEngine).
std::optional<EngineError> ProbeAttach(const std::string& path, const DbAccount& account);

// Removes the database at path when it can be attached to; nothing else.
void DropDatabase(const std::string& path, const DbAccount& account) noexcept;

// Creates a new database at path (a local file or a server's address) and
// runs the schema script in it. Raises E_DB_Error with the engine's error,
// for example when the file exists already.
void CreateScoreDatabase(const std::string& path, const DbAccount& account);

// As CreateScoreDatabase with another script. When a statement fails the new
// file is removed again, so no half-made database is left behind.
void CreateDatabase(const std::string& path, std::string_view script, const DbAccount& account);

}  // namespace orv
