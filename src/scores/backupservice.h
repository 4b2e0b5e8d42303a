#pragma once
// Backing a score database up and restoring it through Firebird's own backup
// service (the services API: what gbak does), on this machine's embedded
// engine or on the server a "host:/path" names. A backup is written by this
// process, on this machine; a file to restore is a path on the machine that
// runs the service.
#include <string>

#include "scores/firebird/dbaccount.h"

namespace orv {

// Both work as the account.

// Writes a backup of db (a local file or "host:/path") to file. Raises
// E_DB_Error with the engine's message when the service fails. A backup of a
// database on this machine gets the database's permissions, one of a
// server's database is readable by this account only (0600); either replaces
// an older file only once it is whole.
void BackupDatabase(const std::string& db, const std::string& file, const DbAccount& account);

// Makes the new database db from the backup file; an existing db is not
// replaced. Raises E_DB_Error with the engine's message when it fails, also
// when the restore stopped before its end (a backup cut short or damaged);
// then no database is left at db.
void RestoreDatabase(const std::string& file, const std::string& db, const DbAccount& account);

}  // namespace orv
