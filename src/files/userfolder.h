#pragma once
// Where each user's own files lie below the program directory.
#include <string>

namespace orv {

// A user's own folder below the program directory (start-up file, position
// files): "User\<name>.DIR\". A folder named the older way, after the part
// of the name before a ".", is used while it exists and is that user's.
std::string UserFolder(const std::string& programDir, const std::string& userName);

}  // namespace orv
