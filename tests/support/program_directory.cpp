#include "support/program_directory.h"

#include <filesystem>
#include <fstream>

namespace orv::test {

std::vector<std::string> InitArguments(const std::string& home) {
  std::filesystem::create_directories(home);
  const std::string file = home + "admin-password.txt";
  std::ofstream(file, std::ios::binary) << kTestAdminPassword << "\n";
  return {"init", "--home", home, "--admin-password-file", file};
}

}  // namespace orv::test
