// Where the per-user store lives when no host says otherwise.

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "palvex/error.h"
#include "palvex/settings_store.h"

namespace palvex {
namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

bool isAbsolute(const std::string& dir) { return !dir.empty() && dir.front() == '/'; }

// Never a relative path: a store created in whatever folder a process
// happens to run in would be a different store every time.
std::filesystem::path homeFolder() {
  std::string home = environment("HOME");
  if (isAbsolute(home)) return home;
  // Services and cron jobs may run without HOME; the password database knows.
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir && isAbsolute(entry->pw_dir))
    return entry->pw_dir;
  throw Error(ErrorNumber::Storage,
              "cannot tell where the settings store is: HOME is not set (or not an absolute path) and the password "
              "database has no home folder for user id " + std::to_string(::getuid()) +
                  "; set PALVEX_STORE to the store's file, or XDG_CONFIG_HOME to a folder");
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
