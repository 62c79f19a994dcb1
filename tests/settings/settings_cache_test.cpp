// Lookups are served from memory inside a load scope, yet never older than
// the state at the start of the scope.

#include <fcntl.h>
#include <sys/stat.h>

#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "palvex/globales.h"
#include "palvex/settings.h"
#include "support/test_env.h"

namespace palvex {
namespace {

constexpr std::string_view kLabel = "Palvex\\Default\\LABEL";

class SettingsCache : public testing::EngineTest {
 protected:
  SettingsCache() { globales::setCurrentThemeName("Default"); }

  void storeLabel(std::string_view key, std::string_view value) { store().write(kAppName, kLabel, key, value); }
  std::int32_t readLabel(std::string_view key) { return ReadElementSetting("LABEL", key, -1); }

  // Rewrites the INI file and gives it an explicit modification time, so that
  // a coarse file-system clock cannot make two versions look alike.
  void writeIniAt(const std::string& content, std::int64_t mtimeSeconds) {
    writeIni(content);
    timespec times[2] = {{mtimeSeconds, 0}, {mtimeSeconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, iniFile().c_str(), times, 0), 0);
  }
};

TEST_F(SettingsCache, ReadsOutsideAScopeSeeEveryWriteAndAScopeKeepsOneViewUntilItEnds) {
  storeLabel("foreColor", "1");
  EXPECT_EQ(readLabel("foreColor"), 1);
  storeLabel("foreColor", "2");  // another writer: not through WriteElementSetting
  storeLabel("backColor", "3");  // a key new to a section already cached
  EXPECT_EQ(readLabel("foreColor"), 2);
  EXPECT_EQ(readLabel("backColor"), 3);
  {
    ElementLoadScope scope;
    EXPECT_EQ(readLabel("foreColor"), 2);
    storeLabel("foreColor", "4");
    EXPECT_EQ(readLabel("foreColor"), 2) << "one consistent view within a scope";
    WriteElementSetting("LABEL", "backColor", 8);
    EXPECT_EQ(readLabel("backColor"), 8) << "but our own writes show at once";
  }
  try {
    ElementLoadScope next;
    EXPECT_EQ(readLabel("foreColor"), 4);
    storeLabel("foreColor", "99999999999");
    EXPECT_EQ(readLabel("foreColor"), 4);
    throw std::runtime_error("element creation failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_PALVEX_ERROR(readLabel("foreColor"), ErrorNumber::Overflow, "Overflow");  // the exception ended the scope

  // A store with the same change token (as many writes) must not be mistaken for the old one.
  auto replacement = makeMemoryStore();
  while (replacement->changeToken() < store().changeToken()) replacement->write(kAppName, kLabel, "foreColor", "5");
  ASSERT_EQ(replacement->changeToken(), store().changeToken());
  ElementLoadScope scope;
  installSettingsStore(replacement);
  EXPECT_EQ(readLabel("foreColor"), 5) << "a new store is read even inside a scope";
}

TEST_F(SettingsCache, EveryIniEditOrMoveIsSeen) {
  storeLabel("foreColor", "7");
  writeIniAt("[Palvex\\Default\\LABEL]\nforeColor=1\n", 1'000'000);
  EXPECT_EQ(readLabel("foreColor"), 1);
  writeIniAt("[Palvex\\Default\\LABEL]\nforeColor=2\n", 1'000'001);  // same size
  EXPECT_EQ(readLabel("foreColor"), 2);
  std::filesystem::remove(iniFile());
  EXPECT_EQ(readLabel("foreColor"), 7);
  writeIniAt("[Palvex\\Default\\LABEL]\nforeColor=3\n", 1'000'000);  // the first time again
  EXPECT_EQ(readLabel("foreColor"), 3);
}

}  // namespace
}  // namespace palvex
