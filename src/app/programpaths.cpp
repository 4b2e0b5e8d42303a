#include "app/programpaths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/sharedhome.h"
#include "base/strings.h"
#include "files/dos.h"

namespace orv {
namespace {

std::string WithSeparator(std::string dir) {
  if (dir.empty() || (dir.back() != '/' && dir.back() != '\\')) dir += '/';
  return dir;
}

// The folder the --home option or the ORV_HOME environment variable names.
std::optional<std::string> NamedDirectory(const std::optional<std::string>& home) {
  if (home && !home->empty()) return *home;
  if (const char* env = std::getenv("ORV_HOME"); env != nullptr && *env != '\0') return env;
  return std::nullopt;
}

}  // namespace

void SetProgramDirectory(ProgramPaths& p, const std::string& dir) {
  p.programDir = WithSeparator(dir);
  p.listRoot = p.programDir + "orv.orv\\";
  p.defaultDatabase = p.programDir + "scoredb.gdb";
}

std::string ExecutableFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return WithSeparator(std::filesystem::current_path().string());
  return WithSeparator(exe.parent_path().string());
}

std::optional<std::string> FoundProgramDirectory(const std::optional<std::string>& home) {
  const std::string dir = ProgramDirectory(home);
  if (NamedDirectory(home) || dir == kMachineHome) return dir;
  if (FileFound(dir + "orv.ini") || FileFound(dir + ProgramPaths{}.passwordFileName)) return dir;
  return std::nullopt;
}

std::string ProgramDirectory(const std::optional<std::string>& home) {
  const std::optional<std::string> dir = NamedDirectory(home);
  if (!dir) return DefaultProgramDirectory(ExecutableFolder());
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(*dir, ec);
  return WithSeparator(ec ? *dir : absolute.string());
}

}  // namespace orv
