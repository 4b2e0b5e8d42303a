#pragma once
// Where the database engine is installed, as the Firebird client library
// reports it for itself.
#include <functional>
#include <optional>
#include <string>

namespace orv {

// The client library's root directory, ending in a separator; nothing when
// no Firebird client can be found. Asking fixes the client's configuration
// root, so a FIREBIRD variable meant for the client must be set before.
std::optional<std::string> ClientRootDirectory();

// Replaces the look-up (tests simulate a machine without a client); an empty
// function restores the real one.
void SetClientRootLookup(std::function<std::optional<std::string>()> lookup);

}  // namespace orv
