// The default utility component: XDG lookup of the INI override file, and
// terminal message and question for hosts without a toolkit.

#include "palvex/shared_utility.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string_view>

namespace palvex {
namespace {

std::string env(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

std::string lowerAscii(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// Base directories must be absolute; a relative one is ignored as invalid.
bool isUsableBase(std::string_view dir) { return !dir.empty() && dir.front() == '/'; }

// Empty when there is none: then there is no user folder to look in.
std::filesystem::path homeDirectory() {
  std::string home = env("HOME");
  if (isUsableBase(home)) return home;
  // Services started without HOME still have a password-file entry.
  if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr &&
                                                     isUsableBase(entry->pw_dir))
    return entry->pw_dir;
  return {};
}

std::filesystem::path userConfigHome() {
  std::string xdg = env("XDG_CONFIG_HOME");
  if (isUsableBase(xdg)) return xdg;
  const std::filesystem::path home = homeDirectory();
  return home.empty() ? home : home / ".config";
}

class DefaultSharedUtility final : public SharedUtility {
 public:
  std::string iniPath(std::string& fileName, std::string& appName) override {
    std::string explicitPath = env("PALVEX_INI");
    if (!explicitPath.empty()) return explicitPath;

    const std::string folder = lowerAscii(appName);
    // Without a home folder there is no user file; never look in the working folder.
    const std::filesystem::path configHome = userConfigHome();
    const auto user = configHome.empty() ? configHome : configHome / folder / fileName;
    std::error_code ec;
    if (!user.empty() && std::filesystem::exists(user, ec)) return user.string();

    std::string dirs = env("XDG_CONFIG_DIRS");
    if (dirs.empty()) dirs = "/etc/xdg";
    for (std::string_view rest = dirs; !rest.empty();) {
      auto colon = rest.find(':');
      std::string_view dir = rest.substr(0, colon);
      rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
      if (!isUsableBase(dir)) continue;
      auto candidate = std::filesystem::path(dir) / folder / fileName;
      if (std::filesystem::exists(candidate, ec)) return candidate.string();
    }
    return user.string();
  }

  void showMessage(const std::string& message) override { std::cerr << message << '\n'; }

  bool askConfirmation(const std::string& question, int, const std::string&) override {
    if (!::isatty(STDIN_FILENO)) return false;
    std::cerr << question << " [s/N] " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) return false;
    return !answer.empty() && (answer[0] == 's' || answer[0] == 'S' || answer[0] == 'y' || answer[0] == 'Y');
  }
};

std::shared_ptr<SharedUtility>& current() {
  static std::shared_ptr<SharedUtility> utility;
  return utility;
}

}  // namespace

std::shared_ptr<SharedUtility> makeDefaultSharedUtility() { return std::make_shared<DefaultSharedUtility>(); }

SharedUtility& sharedUtility() {
  auto& utility = current();
  if (!utility) utility = makeDefaultSharedUtility();
  return *utility;
}

std::shared_ptr<SharedUtility> installSharedUtility(std::shared_ptr<SharedUtility> utility) {
  auto previous = std::move(current());
  current() = std::move(utility);
  return previous;
}

}  // namespace palvex
