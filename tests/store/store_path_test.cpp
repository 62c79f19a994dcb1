#include "support/test_env.h"

namespace palvex {
namespace {

using testing::ScopedEnv;

TEST(DefaultStorePath, FollowsTheEnvironment) {
  struct Case {
    const char* store;   // PALVEX_STORE (nullptr: unset)
    const char* config;  // XDG_CONFIG_HOME
    const char* home;    // HOME
    const char* expected;
  };
  const Case cases[] = {
      {"/data/mine.sqlite", "/cfg", "/home/ana", "/data/mine.sqlite"},
      {"", "/cfg", "/home/ana", "/cfg/orvane/settings.sqlite"},
      {nullptr, "/cfg", "/home/ana", "/cfg/orvane/settings.sqlite"},
      {nullptr, "", "/home/ana", "/home/ana/.config/orvane/settings.sqlite"},
      {nullptr, nullptr, "/home/ana", "/home/ana/.config/orvane/settings.sqlite"},
      {nullptr, "relative/cfg", "/home/ana", "/home/ana/.config/orvane/settings.sqlite"},
  };
  for (const auto& c : cases) {
    ScopedEnv store("PALVEX_STORE", c.store);
    ScopedEnv config("XDG_CONFIG_HOME", c.config);
    ScopedEnv home("HOME", c.home);
    EXPECT_EQ(defaultStorePath(), std::filesystem::path(c.expected))
        << (c.store ? c.store : "(unset)") << " / " << (c.config ? c.config : "(unset)");
  }
}

TEST(DefaultStorePath, WithoutHomeUsesTheAccountsFolder) {
  ScopedEnv store("PALVEX_STORE", nullptr);
  ScopedEnv config("XDG_CONFIG_HOME", nullptr);
  ScopedEnv home("HOME", nullptr);
  auto path = defaultStorePath();
  EXPECT_TRUE(path.is_absolute()) << path;
  EXPECT_EQ(path.filename(), "settings.sqlite");
  EXPECT_EQ(path.parent_path().parent_path().filename(), ".config");
}

}  // namespace
}  // namespace palvex
