// Every way the program opens a database (an attachment, a new database, the
// services, a Qt connection) is in a file that checks first that the engine
// was given the program directory's folders: a path that skipped it would
// start an engine with a lock table of its own, and two engines writing one
// database file with separate lock tables corrupt it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool Attaches(const std::string& text) {
  for (const char* way : {"isc_attach_database(", "isc_create_database(", "isc_service_attach(",
                          "\"QIBASE\"", "CREATE DATABASE "}) {
    if (text.find(way) != std::string::npos) return true;
  }
  return false;
}

bool ChecksTheEngine(const std::string& text) {
  return text.find("RequirePreparedEngine();") != std::string::npos;
}

TEST(Attachments, EveryFileThatOpensADatabaseChecksTheEngineFirst) {
  const fs::path src = fs::path(ORV_SOURCE_DIR) / "src";
  std::vector<std::string> opening;
  std::string unchecked;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".cpp") continue;
    std::ifstream in(entry.path());
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!Attaches(text)) continue;
    const std::string file = entry.path().lexically_relative(src).generic_string();
    opening.push_back(file);
    if (!ChecksTheEngine(text)) unchecked += file + "\n";
  }
  // The client library's own calls, the services and Qt's driver at least.
  EXPECT_GE(opening.size(), 3u) << "the sources were not found under " << ORV_SOURCE_DIR;
  EXPECT_EQ(unchecked, "");
}

}  // namespace
