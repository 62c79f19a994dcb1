#include "support/test_env.h"

namespace palvex {
namespace {

using testing::ScopedEnv;

TEST(DefaultStorePath, FollowsTheEnvironment) {
  struct Case {
    const char *store, *config, *home;  // PALVEX_STORE, XDG_CONFIG_HOME, HOME (nullptr: unset)
    const char* expected;
  };
  const Case cases[] = {
      {"/data/mine.sqlite", "/cfg", "/home/ana", "/data/mine.sqlite"},
      {"", "/cfg", "/home/ana", "/cfg/orvane/settings.sqlite"},
      {nullptr, "/cfg", "/home/ana", "/cfg/orvane/settings.sqlite"},
      {nullptr, "", "/home/ana", "/home/ana/.config/orvane/settings.sqlite"},
      {nullptr, nullptr, "/home/ana", "/home/ana/.config/orvane/settings.sqlite"},
      {nullptr, "relative/cfg", "/home/ana", "/home/ana/.config/orvane/settings.sqlite"},
      {nullptr, nullptr, nullptr, nullptr},  // the account's home folder
  };
  for (const auto& c : cases) {
    ScopedEnv store("PALVEX_STORE", c.store), config("XDG_CONFIG_HOME", c.config), home("HOME", c.home);
    const auto path = defaultStorePath();
    SCOPED_TRACE(path);
    if (c.expected) {
      EXPECT_EQ(path, std::filesystem::path(c.expected));
      continue;
    }
    EXPECT_TRUE(path.is_absolute());
    EXPECT_EQ(path.filename(), "settings.sqlite");
    EXPECT_EQ(path.parent_path().parent_path().filename(), ".config");
  }
}

}  // namespace
}  // namespace palvex
