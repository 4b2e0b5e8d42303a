#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
#include <filesystem>
#include <string>

namespace orv::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The folder as a program path ending in "/".
  std::string Str() const { return path_.string() + "/"; }
  // Writes a file below the folder (creating folders) and returns its path.
  std::string Write(const std::string& relative, const std::string& bytes) const;
  std::string Read(const std::string& relative) const;

 private:
  std::filesystem::path path_;
};

// The whole file at path; empty when it cannot be read.
std::string FileContents(const std::string& path);
// Makes the folder and those above it; returns path.
std::string MadeFolder(const std::string& path);

}  // namespace orv::test
