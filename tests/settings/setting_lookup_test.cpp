#include <sys/stat.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "engine/globales.h"
#include "palvex/settings.h"
#include "settings/settings_fakes.h"
#include "support/test_env.h"

namespace palvex {
namespace {

constexpr std::string_view kLabel = "Palvex\\Default\\LABEL";

class SettingLookup : public testing::EngineTest {
 protected:
  SettingLookup() { globales::state().currentThemeName = "Default"; }
  void storeLabel(std::string_view key, std::string_view value) { store().write(kAppName, kLabel, key, value); }
};

TEST_F(SettingLookup, StoredTextReadsAsAClassicNumberRoundedHalfToEven) {
  struct Case {
    std::optional<std::string> stored;     // nullopt: key absent
    std::optional<std::int32_t> expected;  // read with default 77; nullopt: overflow
  };
  const Case cases[] = {
      {"4210752", 0x404040}, {"-2147483633", -2147483633}, {"1,5", 2}, {"3.5", 4}, {"2,5", 2}, {"-2,5", -2},
      {"", 0}, {std::nullopt, 77}, {"abc", 0}, {"12abc", 12}, {" 1 2 ", 12}, {"&HFF", 255},
      {"&H8000000F", -2147483633}, {"1E300", 77}, {"&H123456789", 77},
      {"1,5E300", 1},  // the comma reading is out of range, the unchanged text reads 1
      {"2147483647.4", 2147483647}, {"-2147483648.5", -2147483648}, {"99999999999", std::nullopt},
      {"2147483647.5", std::nullopt}, {"-2147483649", std::nullopt},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored.value_or("(absent)"));
    const std::string key = "key" + std::to_string(++n);
    if (c.stored) storeLabel(key, *c.stored);
    if (c.expected)
      EXPECT_EQ(ReadElementSetting("LABEL", key, 77), *c.expected);
    else
      EXPECT_PALVEX_ERROR(ReadElementSetting("LABEL", key, 77), ErrorNumber::Overflow, "Overflow");
  }
}

TEST_F(SettingLookup, GetSettingNumberFallsBackOnlyWhenOutOfFixedPointRange) {
  const Currency fallback = Currency::fromScaled(-15);  // -0.0015, passed to the store as text
  EXPECT_EQ(GetSettingNumber(kAppName, kLabel, "missing", fallback), fallback);
  storeLabel("huge", "1E300");
  EXPECT_EQ(GetSettingNumber(kAppName, kLabel, "huge", fallback), fallback);
  storeLabel("half", "0,00005");
  EXPECT_EQ(GetSettingNumber(kAppName, kLabel, "half", fallback).scaled(), 0);
}

TEST_F(SettingLookup, NonEmptyIniValueWinsOverTheStore) {
  storeLabel("inBoth", "1");
  storeLabel("inStore", "2");
  storeLabel("emptyInIni", "3");
  writeIni("[palvex\\default\\label]\n INBOTH = \"&HFF\" \nemptyInIni=\ninIniOnly=4\n");
  EXPECT_EQ(ReadElementSetting("LABEL", "inBoth", 0), 255);
  EXPECT_EQ(ReadElementSetting("LABEL", "emptyInIni", 0), 3);
  EXPECT_EQ(ReadElementSetting("LABEL", "inIniOnly", 0), 4);
  EXPECT_EQ(GetSettingText(kAppName, kLabel, "inBoth", "x"), "&HFF");
  EXPECT_EQ(GetSettingText(kAppName, kLabel, "other", "x"), "x");
  EXPECT_EQ(ElementSettingSource("LABEL", "inBoth"), SettingSource::Ini);
  EXPECT_EQ(ElementSettingSource("LABEL", "inIniOnly"), SettingSource::Ini);
  EXPECT_EQ(ElementSettingSource("LABEL", "inStore"), SettingSource::Store);
  EXPECT_EQ(ElementSettingSource("LABEL", "emptyInIni"), SettingSource::Store);
  EXPECT_EQ(ElementSettingSource("LABEL", "nowhere"), SettingSource::Default);
  EXPECT_STREQ(toString(SettingSource::Ini), "ini");
}

TEST_F(SettingLookup, IniPathIsAskedForTheFileAndAFailingIniStepFallsBackToTheStore) {
  storeLabel("foreColor", "4210752");
  writeIni("[Palvex\\Default\\LABEL]\nforeColor=255\n");
  auto asked = std::make_shared<testing::FakeUtility>([this] { return iniFile().string(); });
  installSharedUtility(asked);
  EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", 0), 255);
  EXPECT_EQ(asked->lastFileName, "Orvane.ini");
  EXPECT_EQ(asked->lastAppName, "Orvane");

  const std::string directory = dir_.path().string(), pipe = (dir_ / "pipe.ini").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::pair<const char*, std::function<std::string()>> failures[] = {
      {"throws an Error", []() -> std::string { throw overflowError(); }},
      {"throws anything", []() -> std::string { throw 42; }},
      {"a directory", [directory] { return directory; }},
      {"a pipe, which must not block", [pipe] { return pipe; }},
      {"no file", [directory] { return directory + "/nothing.ini"; }},
      {"empty path", [] { return std::string(); }},
  };
  for (const auto& [name, path] : failures) {
    SCOPED_TRACE(name);
    installSharedUtility(std::make_shared<testing::FakeUtility>(path));
    EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", 0), 0x404040);
    EXPECT_EQ(ElementSettingSource("LABEL", "foreColor"), SettingSource::Store);
  }
}

TEST_F(SettingLookup, WritesDecimalTextUnderTheCurrentThemeNameUnchanged) {
  WriteElementSetting("BUTTON", "BackColorDisabled", static_cast<std::int32_t>(0x8000000Fu));
  EXPECT_EQ(store().read(kAppName, "Palvex\\Default\\BUTTON", "BackColorDisabled"), "-2147483633");
  WriteElementSetting("BUTTON", "backcolordisabled", 456);
  EXPECT_EQ(ReadElementSetting("BUTTON", "BACKCOLORDISABLED", 0), 456);

  globales::state().currentThemeName = "Azul claro";
  EXPECT_EQ(ReadElementSetting("BUTTON", "BackColorDisabled", -1), -1);
  WriteElementSetting("BUTTON", "BackColorDisabled", 9);
  EXPECT_EQ(store().read(kAppName, "Palvex\\Azul claro\\BUTTON", "BackColorDisabled"), "9");
  EXPECT_EQ(ReadElementSetting("BUTTON", "BackColorDisabled", 0), 9);
  globales::state().currentThemeName = " Azul claro ";  // blanks are part of the name
  EXPECT_EQ(ReadElementSetting("BUTTON", "BackColorDisabled", 0), 0);

  auto refusing = std::make_shared<testing::CountingStore>();
  refusing->refuseWrites = true;
  installSettingsStore(refusing);
  EXPECT_PALVEX_ERROR(WriteElementSetting("LABEL", "foreColor", 1), ErrorNumber::Storage, "disk full");
}

}  // namespace
}  // namespace palvex
