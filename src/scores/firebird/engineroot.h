#pragma once
// Where the database engine is installed, and the embedded engine's root.
// In its default server mode the embedded engine opens a database file
// exclusively, so a second process could not open the score database. The
// program therefore points the client library (through the FIREBIRD
// environment variable) at a private root in the program directory: links to
// the system's Firebird files and a firebird.conf of its own with
// "ServerMode = SuperClassic".
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

// Before the client library is first used: unless FIREBIRD is set already
// (the user's choice is kept), builds the private root below programDir and
// sets FIREBIRD to it. Returns the root then in force (empty when the
// library's own default stays in force).
std::string UseEmbeddedEngineRoot(const std::string& programDir);

// The client library's root directory, ending in a separator; nothing when
// no Firebird client can be found. Asking fixes the client's configuration
// root, so a FIREBIRD variable meant for the client must be set before.
std::optional<std::string> ClientRootDirectory();

// Replaces the look-up (tests simulate a machine without a client); an empty
// function restores the real one.
void SetClientRootLookup(std::function<std::optional<std::string>()> lookup);

}  // namespace orv
