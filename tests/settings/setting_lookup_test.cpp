#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "engine/globales.h"
#include "palvex/settings.h"
#include "palvex/shared_utility.h"
#include "settings/fake_utility.h"
#include "support/test_env.h"

namespace palvex {
namespace {

constexpr std::string_view kLabel = "Palvex\\Default\\LABEL";

class SettingLookup : public testing::EngineTest {
 protected:
  SettingLookup() { globales::state().currentThemeName = "Default"; }
  void storeLabel(std::string_view key, std::string_view value) { store().write(kAppName, kLabel, key, value); }
};

struct StoredTextCase {
  std::optional<std::string> stored;  // nullopt: key absent
  std::int32_t expected;              // read with default 77
};

void PrintTo(const StoredTextCase& c, std::ostream* os) { *os << (c.stored ? '"' + *c.stored + '"' : "absent"); }

class StoredText : public SettingLookup, public ::testing::WithParamInterface<StoredTextCase> {};

TEST_P(StoredText, ReadsAsClassicNumber) {
  if (GetParam().stored) storeLabel("foreColor", *GetParam().stored);
  EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", 77), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, StoredText,
    ::testing::Values(StoredTextCase{"4210752", 0x404040}, StoredTextCase{"-2147483633", -2147483633},
                      StoredTextCase{"1,5", 2}, StoredTextCase{"3.5", 4}, StoredTextCase{"2,5", 2},
                      StoredTextCase{"-2,5", -2}, StoredTextCase{"", 0}, StoredTextCase{std::nullopt, 77},
                      StoredTextCase{"abc", 0}, StoredTextCase{"12abc", 12}, StoredTextCase{" 1 2 ", 12},
                      StoredTextCase{"&HFF", 255}, StoredTextCase{"&H8000000F", -2147483633},
                      StoredTextCase{"1E300", 77}, StoredTextCase{"&H123456789", 77},
                      // The comma reading is out of range, the unchanged text reads 1.
                      StoredTextCase{"1,5E300", 1}, StoredTextCase{"2147483647.4", 2147483647},
                      StoredTextCase{"-2147483648.5", -2147483648}));

TEST_F(SettingLookup, NumberPastThirtyTwoBitsIsOverflow) {
  for (const char* text : {"99999999999", "2147483647.5", "-2147483649"}) {
    SCOPED_TRACE(text);
    storeLabel("foreColor", text);
    EXPECT_PALVEX_ERROR(ReadElementSetting("LABEL", "foreColor", 5), ErrorNumber::Overflow, "Overflow");
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

TEST_F(SettingLookup, IniValueWinsUnlessEmpty) {
  storeLabel("foreColor", "4210752");
  storeLabel("backColor", "10");
  writeIni("[Palvex\\Default\\LABEL]\nforeColor=255\nbackColor=\n");
  EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", 0), 255);
  EXPECT_EQ(ReadElementSetting("LABEL", "backColor", 0), 10);
  EXPECT_EQ(GetSettingText(kAppName, kLabel, "foreColor", "x"), "255");
  EXPECT_EQ(GetSettingText(kAppName, kLabel, "other", "x"), "x");
}

TEST_F(SettingLookup, IniValueOverridesAbsentStoreKey) {
  writeIni("[palvex\\default\\label]\n FORECOLOR = \"&HFF\" \n");
  EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", 0), 255);
}

TEST_F(SettingLookup, IniPathIsAskedWithFileAndApplicationName) {
  auto utility = std::make_shared<testing::FakeUtility>([this] { return iniFile().string(); });
  installSharedUtility(utility);
  writeIni("[Palvex\\Default\\LABEL]\nforeColor=3\n");
  EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", 0), 3);
  EXPECT_EQ(utility->lastFileName, "Orvane.ini");
  EXPECT_EQ(utility->lastAppName, "Orvane");
}

TEST_F(SettingLookup, FailingIniStepFallsBackToStore) {
  storeLabel("foreColor", "4210752");
  writeIni("[Palvex\\Default\\LABEL]\nforeColor=255\n");
  struct Case {
    const char* name;
    std::function<std::string()> path;
  };
  const std::string directory = dir_.path().string();
  const std::string pipe = (dir_ / "pipe.ini").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const Case& c : {Case{"throws an Error", [] () -> std::string { throw overflowError(); }},
                        Case{"throws anything", [] () -> std::string { throw 42; }},
                        Case{"unreadable file", [directory] { return directory; }},
                        Case{"a pipe, which must not block", [pipe] { return pipe; }},
                        Case{"no file", [directory] { return directory + "/nothing.ini"; }},
                        Case{"empty path", [] { return std::string(); }}}) {
    SCOPED_TRACE(c.name);
    installSharedUtility(std::make_shared<testing::FakeUtility>(c.path));
    EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", 0), 0x404040);
    EXPECT_EQ(ElementSettingSource("LABEL", "foreColor"), SettingSource::Store);
  }
}

TEST_F(SettingLookup, WritesDecimalTextUnderCurrentTheme) {
  WriteElementSetting("LABEL", "foreColor", static_cast<std::int32_t>(0x8000000Fu));
  WriteElementSetting("LABEL", "backColor", 0x404040);
  EXPECT_EQ(store().read(kAppName, kLabel, "foreColor"), "-2147483633");
  EXPECT_EQ(store().read(kAppName, kLabel, "backColor"), "4210752");
}

TEST_F(SettingLookup, KeysMatchWithoutRegardToCase) {
  WriteElementSetting("BUTTON", "BackColorDisabled", 123);
  EXPECT_EQ(ReadElementSetting("BUTTON", "backColorDisabled", 0), 123);
  WriteElementSetting("BUTTON", "backcolordisabled", 456);
  EXPECT_EQ(ReadElementSetting("BUTTON", "BACKCOLORDISABLED", 0), 456);
}

TEST_F(SettingLookup, ThemeNameEntersSectionUnchanged) {
  globales::state().currentThemeName = "Azul claro";
  EXPECT_EQ(elementSection("Azul claro", "LABEL"), "Palvex\\Azul claro\\LABEL");
  WriteElementSetting("LABEL", "foreColor", 9);
  EXPECT_EQ(store().read(kAppName, "Palvex\\Azul claro\\LABEL", "foreColor"), "9");
  EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", 0), 9);

  // Blanks are part of the name: " Azul claro " is another theme.
  globales::state().currentThemeName = " Azul claro ";
  EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", 0), 0);
}

TEST_F(SettingLookup, ValuesFollowTheCurrentThemeAtEachCall) {
  WriteElementSetting("GRID", "gridColor", 1);
  globales::state().currentThemeName = "Otro";
  EXPECT_EQ(ReadElementSetting("GRID", "gridColor", -1), -1);
  WriteElementSetting("GRID", "gridColor", 2);
  EXPECT_EQ(store().read(kAppName, "Palvex\\Otro\\GRID", "gridColor"), "2");
  EXPECT_EQ(store().read(kAppName, "Palvex\\Default\\GRID", "gridColor"), "1");
}

TEST_F(SettingLookup, SourceTellsWhereTheValueComesFrom) {
  storeLabel("inBoth", "1");
  storeLabel("inStore", "2");
  storeLabel("emptyInIni", "3");
  writeIni("[Palvex\\Default\\LABEL]\ninBoth=10\nemptyInIni=\ninIniOnly=4\n");
  EXPECT_EQ(ElementSettingSource("LABEL", "inBoth"), SettingSource::Ini);
  EXPECT_EQ(ElementSettingSource("LABEL", "inIniOnly"), SettingSource::Ini);
  EXPECT_EQ(ElementSettingSource("LABEL", "inStore"), SettingSource::Store);
  EXPECT_EQ(ElementSettingSource("LABEL", "emptyInIni"), SettingSource::Store);
  EXPECT_EQ(ElementSettingSource("LABEL", "nowhere"), SettingSource::Default);
  EXPECT_STREQ(toString(SettingSource::Ini), "ini");
  EXPECT_STREQ(toString(SettingSource::Store), "store");
  EXPECT_STREQ(toString(SettingSource::Default), "default");
}

// A store whose writes fail, to check that failures reach the caller.
class RefusingStore final : public SettingsStore {
 public:
  std::optional<std::string> read(std::string_view, std::string_view, std::string_view) override { return {}; }
  void write(std::string_view, std::string_view, std::string_view, std::string_view) override {
    throw Error(ErrorNumber::Storage, "disk full");
  }
  SettingPairs enumerate(std::string_view, std::string_view) override { return {}; }
  std::uint64_t changeToken() override { return 0; }
  void transaction(const std::function<void()>& body) override { body(); }
  std::string describe() const override { return "refusing"; }
};

TEST_F(SettingLookup, FailingWriteReachesCaller) {
  installSettingsStore(std::make_shared<RefusingStore>());
  EXPECT_PALVEX_ERROR(WriteElementSetting("LABEL", "foreColor", 1), ErrorNumber::Storage, "disk full");
}

}  // namespace
}  // namespace palvex
