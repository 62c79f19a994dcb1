#include "palvex/shared_utility.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "settings/settings_fakes.h"
#include "support/test_env.h"

namespace palvex {
namespace {

using testing::ScopedEnv;

class DefaultIniPath : public ::testing::Test {
 protected:
  std::string iniPath() {
    std::string fileName = "Orvane.ini", appName = "Orvane";
    return makeDefaultSharedUtility()->iniPath(fileName, appName);
  }
  std::string touch(const std::string& relative) {
    const auto path = dir_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << "[s]\n";
    return path.string();
  }

  testing::TempDir dir_;
  ScopedEnv ini_{"PALVEX_INI", nullptr};
  ScopedEnv home_{"XDG_CONFIG_HOME", (dir_ / "home").c_str()};
  ScopedEnv dirs_{"XDG_CONFIG_DIRS", (dir_ / "none").c_str()};
};

TEST_F(DefaultIniPath, ExplicitThenUserThenFirstExistingSystemFileThenTheUserPath) {
  const std::string dirs = "relative/dir::" + (dir_ / "etc1").string() + ":" + (dir_ / "etc2").string();
  ScopedEnv dirsEnv("XDG_CONFIG_DIRS", dirs.c_str());
  const std::string user = (dir_ / "home/orvane/Orvane.ini").string();
  EXPECT_EQ(iniPath(), user) << "none exists yet";
  EXPECT_EQ(iniPath(), touch("etc2/orvane/Orvane.ini"));
  EXPECT_EQ(iniPath(), touch("etc1/orvane/Orvane.ini"));
  EXPECT_EQ(iniPath(), touch("home/orvane/Orvane.ini"));
  ScopedEnv explicitIni("PALVEX_INI", "/nowhere/custom.ini");
  EXPECT_EQ(iniPath(), "/nowhere/custom.ini") << "even when missing";
}

TEST_F(DefaultIniPath, RelativeOrEmptyConfigHomeFallsBackToHome) {
  ScopedEnv home("HOME", (dir_ / "user").c_str());
  for (const char* value : {"", "relative/config"}) {
    ScopedEnv xdg("XDG_CONFIG_HOME", value);
    EXPECT_EQ(iniPath(), (dir_ / "user/.config/orvane/Orvane.ini").string()) << value;
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
