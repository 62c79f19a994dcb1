#include "support/test_env.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <system_error>

#include "palvex/globales.h"
#include "palvex/shared_utility.h"

namespace palvex::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "palvex-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
  if (const char* old = std::getenv(name)) old_ = old;
  if (value)
    ::setenv(name, value, 1);
  else
    ::unsetenv(name);
}

ScopedEnv::~ScopedEnv() {
  if (old_)
    ::setenv(name_.c_str(), old_->c_str(), 1);
  else
    ::unsetenv(name_.c_str());
}

EngineTest::EngineTest()
    : iniFile_(dir_ / "Orvane.ini"),
      xdgHome_("XDG_CONFIG_HOME", (dir_ / "config").c_str()),
      xdgDirs_("XDG_CONFIG_DIRS", (dir_ / "xdg").c_str()),
      ini_("PALVEX_INI", (dir_ / "Orvane.ini").c_str()),
      storeEnv_("PALVEX_STORE", (dir_ / "settings.sqlite").c_str()) {
  globales::resetEngine();
  installSharedUtility(nullptr);
  store_ = makeMemoryStore();
  installSettingsStore(store_);
}

EngineTest::~EngineTest() {
  globales::resetEngine();
  installSettingsStore(nullptr);
}

std::string rowName(std::size_t index, std::string_view label) {
  std::string name = std::to_string(index) + "_";
  for (char c : label) {
    if (std::isalnum(static_cast<unsigned char>(c))) {
      name += c;
      continue;
    }
    switch (c) {
      case '&': name += "amp"; break;
      case '.': name += "dot"; break;
      case ',': name += "comma"; break;
      case '-': name += "minus"; break;
      case '+': name += "plus"; break;
      case '#': name += "hash"; break;
      case '"': name += "quote"; break;
      default: if (name.back() != '_') name += '_';
    }
  }
  return name;
}

void EngineTest::writeIni(const std::string& content) {
  std::ofstream out(iniFile_, std::ios::binary | std::ios::trunc);
  out << content;
}

}  // namespace palvex::testing
