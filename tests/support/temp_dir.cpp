#include "support/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace orv::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "orv-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& relative, const std::string& bytes) const {
  auto p = path_ / relative;
  std::filesystem::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << bytes;
  return p.string();
}

std::string TempDir::Read(const std::string& relative) const {
  return FileContents((path_ / relative).string());
}

std::string FileContents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string MadeFolder(const std::string& path) {
  std::filesystem::create_directories(path);
  return path;
}

}  // namespace orv::test
