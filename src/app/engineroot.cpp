#include "app/engineroot.h"

#include <firebird/Interface.h>

#include <utility>

namespace orv {
namespace {

std::function<std::optional<std::string>()> lookupOverride;

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

}  // namespace

std::optional<std::string> ClientRootDirectory() {
  return lookupOverride ? lookupOverride() : AskClient();
}

void SetClientRootLookup(std::function<std::optional<std::string>()> lookup) {
  lookupOverride = std::move(lookup);
}

}  // namespace orv
