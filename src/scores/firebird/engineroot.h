#pragma once
// Where the database engine is installed, and the embedded engine's root and
// lock folder. In its default server mode the embedded engine opens a
// database file exclusively, so a second process could not open the score
// database. The program therefore points the client library (through the
// FIREBIRD environment variable) at a private root in the program directory:
// links to the system's Firebird files and a firebird.conf of its own with
// "ServerMode = SuperClassic". Processes that share a database file that way
// must also share the engine's lock table: two engines writing one file with
// lock tables of their own (FIREBIRD_LOCK) corrupt it.
#include <functional>
#include <optional>
#include <string>

namespace orv {

// The folder of the private root inside a program directory.
inline constexpr char kEngineRootFolder[] = "firebird";

// The system's Firebird root (ending in "/"), found from where the client
// library lies without starting the library; empty when none is found.
std::string SystemFirebirdRoot();

// Builds (or repairs) the private root below programDir from the system root.
// Returns false when the folder cannot be written or systemRoot is empty.
bool BuildEngineRoot(const std::string& programDir, const std::string& systemRoot);

// The engine's folders in force; empty ones leave the library's defaults.
struct EngineFolders {
  std::string root;
  std::string lock;
};

// Before the client library is first used: unless FIREBIRD is set already
// (the user's choice is kept), builds the private root below programDir and
// sets FIREBIRD to it; unless FIREBIRD_LOCK is set already, makes lockFolder
// (when not empty) and sets FIREBIRD_LOCK to it. Raises E_DB_Error when the
// lock folder cannot be made: the engine's default one would not be the one
// the other processes use. Returns the folders then in force.
EngineFolders PrepareEngine(const std::string& programDir, const std::string& lockFolder);

// Raises E_DB_Error unless PrepareEngine came first in this process. Every
// attachment the program makes goes through here, so none can start the
// engine with folders of its own.
void RequirePreparedEngine();

// The client library's root directory, ending in a separator; nothing when
// no Firebird client can be found. Asking fixes the client's configuration
// root, so a FIREBIRD variable meant for the client must be set before.
std::optional<std::string> ClientRootDirectory();

// Replaces the look-up (tests simulate a machine without a client); an empty
// function restores the real one.
void SetClientRootLookup(std::function<std::optional<std::string>()> lookup);

}  // namespace orv
