#include "palvex/shared_utility.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "settings/fake_utility.h"
#include "support/test_env.h"

namespace palvex {
namespace {

namespace fs = std::filesystem;

class DefaultIniPath : public ::testing::Test {
 protected:
  std::string iniPath() {
    std::string fileName = "Orvane.ini", appName = "Orvane";
    return makeDefaultSharedUtility()->iniPath(fileName, appName);
  }
  fs::path touch(const fs::path& path) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "[s]\n";
    return path;
  }

  testing::TempDir dir_;
  testing::ScopedEnv ini_{"PALVEX_INI", nullptr};
  testing::ScopedEnv home_{"XDG_CONFIG_HOME", (dir_ / "home").c_str()};
  testing::ScopedEnv dirs_{"XDG_CONFIG_DIRS", nullptr};
};

TEST_F(DefaultIniPath, ExplicitPathWinsEvenWhenMissing) {
  touch(dir_ / "home/orvane/Orvane.ini");
  testing::ScopedEnv explicitIni("PALVEX_INI", "/nowhere/custom.ini");
  EXPECT_EQ(iniPath(), "/nowhere/custom.ini");
}

TEST_F(DefaultIniPath, UserFileBeforeSystemDirectories) {
  auto system = touch(dir_ / "etc1/orvane/Orvane.ini");
  testing::ScopedEnv dirs("XDG_CONFIG_DIRS", (dir_ / "etc1").c_str());
  EXPECT_EQ(iniPath(), system.string());
  auto user = touch(dir_ / "home/orvane/Orvane.ini");
  EXPECT_EQ(iniPath(), user.string());
}

TEST_F(DefaultIniPath, FirstExistingSystemDirectoryInOrder) {
  auto second = touch(dir_ / "etc2/orvane/Orvane.ini");
  const std::string dirs = "relative/dir::" + (dir_ / "etc1").string() + ":" + (dir_ / "etc2").string();
  testing::ScopedEnv dirsEnv("XDG_CONFIG_DIRS", dirs.c_str());
  EXPECT_EQ(iniPath(), second.string());
  auto first = touch(dir_ / "etc1/orvane/Orvane.ini");
  EXPECT_EQ(iniPath(), first.string());
}

TEST_F(DefaultIniPath, NothingExistingGivesTheUserPath) {
  testing::ScopedEnv dirs("XDG_CONFIG_DIRS", (dir_ / "etc1").c_str());
  EXPECT_EQ(iniPath(), (dir_ / "home/orvane/Orvane.ini").string());
}

TEST_F(DefaultIniPath, RelativeOrEmptyConfigHomeFallsBackToHome) {
  testing::ScopedEnv home("HOME", (dir_ / "user").c_str());
  for (const char* value : {"", "relative/config"}) {
    SCOPED_TRACE(value);
    testing::ScopedEnv xdg("XDG_CONFIG_HOME", value);
    EXPECT_EQ(iniPath(), (dir_ / "user/.config/orvane/Orvane.ini").string());
  }
}

TEST(SharedUtilityInstance, InstalledOneIsUsedUntilDefaultRestored) {
  auto fake = std::make_shared<testing::FakeUtility>([] { return std::string("/x.ini"); });
  auto previous = installSharedUtility(fake);
  EXPECT_EQ(&sharedUtility(), fake.get());
  EXPECT_EQ(installSharedUtility(nullptr), fake);
  EXPECT_NE(&sharedUtility(), fake.get());
  EXPECT_EQ(&sharedUtility(), &sharedUtility()) << "the default is created once";
  installSharedUtility(previous);
}

}  // namespace
}  // namespace palvex
