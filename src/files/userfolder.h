#pragma once
// Where each user's own files lie below the program directory.
#include <string>

namespace orv {

// The folder of the users' own folders: "User\" below the program directory.
std::string UsersFolder(const std::string& programDir);

// A user's own folder below the program directory (start-up file, position
// files): "User\<name>.DIR\". A folder named the older way, after the part
// of the name before a ".", is used while it exists and is that user's.
std::string UserFolder(const std::string& programDir, const std::string& userName);

// Makes "User\" below the program directory when it is missing. In a program
// directory that other accounts may write, each user's folder in it is made
// by that user's account, so only an entry's owner may remove or replace it
// (the sticky bit, which the folders made in it take too). Raises
// E_Dos_Error when it cannot.
void MakeUsersFolder(const std::string& programDir);

}  // namespace orv
