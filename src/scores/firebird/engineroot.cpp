#include "scores/firebird/engineroot.h"

#include <dlfcn.h>
#include <firebird/Interface.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>
#include <utility>

#include "base/translate.h"
#include "scores/firebird/engineerror.h"

namespace orv {
namespace fs = std::filesystem;
namespace {

std::function<std::optional<std::string>()> lookupOverride;
bool prepared = false;

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : value;
}

bool IsSet(const char* name) {
  return !Variable(name).empty();
}

std::optional<std::string> AskClient() {
  Firebird::IMaster* master = Firebird::fb_get_master_interface();
  if (master == nullptr) return std::nullopt;
  Firebird::IConfigManager* config = master->getConfigManager();
  if (config == nullptr) return std::nullopt;
  const char* root = config->getRootDirectory();
  if (root == nullptr || *root == '\0') return std::nullopt;
  std::string dir(root);
  if (dir.back() != '/' && dir.back() != '\\') dir += '/';
  return dir;
}

// What a root must hold to serve the embedded engine.
bool IsFirebirdRoot(const fs::path& dir) {
  std::error_code ec;
  return fs::is_directory(dir / "plugins", ec) && fs::exists(dir / "firebird.msg", ec);
}

std::string WithSlash(const fs::path& dir) {
  std::string s = dir.string();
  if (s.empty() || s.back() != '/') s += '/';
  return s;
}

// Replaces target by a fresh link (or file) made under a temporary name and
// renamed over it, so processes starting together never see a half-made root.
bool PlaceLink(const fs::path& source, const fs::path& target) {
  std::error_code ec;
  fs::path temp = target;
  temp += ".new" + std::to_string(::getpid());
  fs::remove(temp, ec);
  fs::create_symlink(source, temp, ec);
  if (ec) return false;
  fs::rename(temp, target, ec);
  if (ec) fs::remove(temp, ec);
  return !ec;
}

bool PlaceText(const fs::path& target, const std::string& text) {
  std::error_code ec;
  fs::path temp = target;
  temp += ".new" + std::to_string(::getpid());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    if (!out) {
      fs::remove(temp, ec);
      return false;
    }
  }
  fs::rename(temp, target, ec);
  if (ec) fs::remove(temp, ec);
  return !ec;
}

}  // namespace

std::string SystemFirebirdRoot() {
  // Looking a symbol up does not start the library, which would fix its
  // configuration before FIREBIRD is set.
  std::unique_ptr<void, int (*)(void*)> library(::dlopen("libfbclient.so.2", RTLD_LAZY), ::dlclose);
  void* symbol = library ? ::dlsym(library.get(), "isc_attach_database") : nullptr;
  Dl_info info{};
  if (symbol == nullptr || ::dladdr(symbol, &info) == 0 || info.dli_fname == nullptr) return {};
  std::error_code ec;
  fs::path libraryFile = fs::canonical(info.dli_fname, ec);
  if (ec) return {};
  fs::path libDir = libraryFile.parent_path();
  // Debian keeps the root beside the library (lib/<arch>/firebird/3.0);
  // Firebird's own packages put the library into <root>/lib.
  for (const fs::path& candidate :
       {libDir / "firebird" / "3.0", libDir / "firebird", libDir.parent_path()}) {
    if (IsFirebirdRoot(candidate)) return WithSlash(fs::canonical(candidate, ec));
  }
  return {};
}

bool BuildEngineRoot(const std::string& programDir, const std::string& systemRoot) {
  if (systemRoot.empty()) return false;
  const fs::path system(systemRoot);
  const fs::path root = fs::path(programDir) / kEngineRootFolder;
  std::error_code ec;
  fs::create_directories(root, ec);
  if (ec) return false;
  for (const char* entry : {"plugins", "intl", "lib", "UDF", "firebird.msg", "plugins.conf",
                            "databases.conf", "fbtrace.conf", "security3.fdb"}) {
    if (!fs::exists(system / entry, ec)) continue;
    if (fs::is_symlink(root / entry, ec) && fs::read_symlink(root / entry, ec) == system / entry) {
      continue;
    }
    if (!PlaceLink(system / entry, root / entry)) return false;
  }
  const std::string conf =
      "# Written by Orv: the embedded engine shares its database files with\n"
      "# other processes, so the program and orvc can work on one database.\n"
      "ServerMode = SuperClassic\n";
  std::ifstream existing(root / "firebird.conf", std::ios::binary);
  std::string old((std::istreambuf_iterator<char>(existing)), std::istreambuf_iterator<char>());
  return old == conf || PlaceText(root / "firebird.conf", conf);
}

EngineFolders PrepareEngine(const std::string& programDir, const std::string& lockFolder) {
  if (!IsSet("FIREBIRD") && BuildEngineRoot(programDir, SystemFirebirdRoot())) {
    ::setenv("FIREBIRD", WithSlash(fs::path(programDir) / kEngineRootFolder).c_str(), 1);
  }
  if (!IsSet("FIREBIRD_LOCK") && !lockFolder.empty()) {
    std::error_code ec;
    fs::create_directories(lockFolder, ec);
    if (ec) {
      throw E_DB_Error(
          Filled(TrText("ScoreDatabase", "Cannot make the database engine's lock folder %1: %2"),
                 lockFolder, ec.message()));
    }
    ::setenv("FIREBIRD_LOCK", lockFolder.c_str(), 1);
  }
  prepared = true;
  return {Variable("FIREBIRD"), Variable("FIREBIRD_LOCK")};
}

void RequirePreparedEngine() {
  if (!prepared) {
    throw E_DB_Error(TrText("ScoreDatabase",
                            "The database engine was about to start before its folders were set; "
                            "nothing was opened"));
  }
}

std::optional<std::string> ClientRootDirectory() {
  return lookupOverride ? lookupOverride() : AskClient();
}

void SetClientRootLookup(std::function<std::optional<std::string>()> lookup) {
  lookupOverride = std::move(lookup);
}

}  // namespace orv
