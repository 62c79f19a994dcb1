// Where the per-user store lives when no host says otherwise.

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "palvex/settings_store.h"

namespace palvex {
namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

std::filesystem::path homeFolder() {
  std::string home = environment("HOME");
  if (!home.empty()) return home;
  // Services and cron jobs may run without HOME; the password database knows.
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return {};
}

}  // namespace

std::filesystem::path defaultStorePath() {
  std::string explicitPath = environment("PALVEX_STORE");
  if (!explicitPath.empty()) return explicitPath;
  std::filesystem::path config = environment("XDG_CONFIG_HOME");
  // The XDG rules make a relative XDG_CONFIG_HOME invalid: ignore it.
  if (config.empty() || config.is_relative()) config = homeFolder() / ".config";
  return config / "orvane" / "settings.sqlite";
}

}  // namespace palvex
