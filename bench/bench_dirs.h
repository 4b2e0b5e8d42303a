#pragma once
// Folders for the benchmarks' files (header only: each benchmark is one
// program built from one file).
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace orv::bench {

// A fresh folder, removed with everything in it at the end.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orv-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // The folder as a program path ending in "/".
  std::string Str() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

// The folder kept between runs ($ORV_BENCH_DIR, else orv-bench in the temp
// folder): the large databases take minutes to build, so they are made once.
// Ends in "/".
inline std::string KeptDir() {
  const char* set = std::getenv("ORV_BENCH_DIR");
  const std::filesystem::path dir = set != nullptr && *set != '\0'
                                        ? std::filesystem::path(set)
                                        : std::filesystem::temp_directory_path() / "orv-bench";
  std::filesystem::create_directories(dir);
  return dir.string() + "/";
}

}  // namespace orv::bench
