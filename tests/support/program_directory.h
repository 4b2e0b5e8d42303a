#pragma once
// Program directories for tests, made by orvc init as a script makes them:
// the super user's password given in a file.
#include <string>
#include <string_view>
#include <vector>

namespace orv::test {

// The super user's password in the program directories tests make.
inline constexpr std::string_view kTestAdminPassword = "kauri-pw";

// The arguments of orvc init for home (a folder ending in a separator) with
// kTestAdminPassword, written into a file in home first.
std::vector<std::string> InitArguments(const std::string& home);

}  // namespace orv::test
