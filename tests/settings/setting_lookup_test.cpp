#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "palvex/globales.h"
#include "palvex/settings.h"
#include "palvex/shared_utility.h"
#include "support/test_env.h"
#include "support/watched_store.h"

namespace palvex {
namespace {

// One text and what its numeric prefix is: a value × 10,000, or nullopt for an overflow.
struct PrefixRow : testing::NamedRow {
  std::optional<std::int64_t> scaled;
};

class NumericPrefix : public ::testing::TestWithParam<PrefixRow> {};

TEST_P(NumericPrefix, ReadsTheClassicPrefix) {
  const auto& row = GetParam();
  if (row.scaled)
    EXPECT_EQ(numericPrefix(row.name).scaled(), *row.scaled);
  else
    EXPECT_PALVEX_ERROR(numericPrefix(row.name), ErrorNumber::Overflow, row.name);
}

// Blanks anywhere and a character that cannot continue a number are the fuzz
// replay's invariants; these rows pin the values themselves.
const PrefixRow kDecimal[] = {
    {{"-2147483633"}, -21474836330000}, {{"+7"}, 70000}, {{"-.5"}, -5000}, {{"1.5.3"}, 15000}, {{"1,5"}, 10000},
    {{"abc"}, 0}, {{"--1"}, 0}, {{"-&H10"}, 0}, {{"&H"}, 0}, {{"\r1"}, 0},
};
const PrefixRow kExponent[] = {
    {{"1e+2"}, 1000000}, {{"25d-1"}, 25000}, {{"1E+"}, 10000}, {{"2.5E-4"}, 2}, {{"0E999999999999"}, 0},
    {{"1E-999999999999"}, 0},
};
// Rounded half to even at the fifth decimal, computed from the digits.
const PrefixRow kRounding[] = {
    {{"0.00005"}, 0}, {{"0.00015"}, 2}, {{"0.000050000000000000001"}, 1}, {{"922337203685477.5807"}, INT64_MAX},
    {{"-922337203685477.5808"}, INT64_MIN}, {{"922337203685477.58065"}, INT64_MAX - 1},
    {{"0.000000000000000000000000000000000000000000015E43"}, 1500}, {{"123456789012345678901234567890E-25"}, 123456789},
};
// Radix literals: 16-bit patterns when they fit 16 bits, else 32-bit ones.
const PrefixRow kRadix[] = {
    {{"&hff"}, 2550000}, {{"&H8000"}, -327680000}, {{"&H10000"}, 655360000}, {{"&H8000000F"}, -21474836330000},
    {{"&HFG"}, 150000}, {{"&H00000000FFFFFFFF"}, -10000}, {{"&o177777"}, -10000}, {{"&O8"}, 0},
};
const PrefixRow kOverflow[] = {
    {{"922337203685477.5808"}, std::nullopt}, {{"-922337203685477.5809"}, std::nullopt}, {{"1E300"}, std::nullopt},
    {{"&H100000000"}, std::nullopt}, {{"9999999999999999"}, std::nullopt},  // 20 digits once scaled: past 64 bits
};
INSTANTIATE_TEST_SUITE_P(Decimal, NumericPrefix, ::testing::ValuesIn(kDecimal), testing::RowName());
INSTANTIATE_TEST_SUITE_P(Exponent, NumericPrefix, ::testing::ValuesIn(kExponent), testing::RowName());
INSTANTIATE_TEST_SUITE_P(Rounding, NumericPrefix, ::testing::ValuesIn(kRounding), testing::RowName());
INSTANTIATE_TEST_SUITE_P(Radix, NumericPrefix, ::testing::ValuesIn(kRadix), testing::RowName());
INSTANTIATE_TEST_SUITE_P(Overflow, NumericPrefix, ::testing::ValuesIn(kOverflow), testing::RowName());

constexpr std::string_view kLabel = "Palvex\\Default\\LABEL";

// A utility component whose INI path the test decides.
struct FakeUtility final : SharedUtility {
  explicit FakeUtility(std::function<std::string()> answer) : path(std::move(answer)) {}
  std::string iniPath(std::string& fileName, std::string& appName) override {
    asked = fileName + "|" + appName;
    return path();
  }
  void showMessage(const std::string&) override {}
  bool askConfirmation(const std::string&, int, const std::string&) override { return false; }
  std::function<std::string()> path;
  std::string asked;
};

class SettingLookup : public testing::EngineTest {
 protected:
  SettingLookup() { globales::setCurrentThemeName("Default"); }
  void storeLabel(std::string_view key, std::string_view value) { store().write(kAppName, kLabel, key, value); }
};

// A stored text and what an element reads from it with default 77 (nullopt: an overflow).
struct StoredRow : testing::NamedRow {  // name: the stored text; "(absent)": no such key
  std::optional<std::int32_t> expected;
};

class StoredText : public SettingLookup, public ::testing::WithParamInterface<StoredRow> {};

TEST_P(StoredText, ReadsAsAClassicNumberRoundedHalfToEven) {
  const auto& row = GetParam();
  if (std::string_view(row.name) != "(absent)") storeLabel("key", row.name);
  if (row.expected)
    EXPECT_EQ(ReadElementSetting("LABEL", "key", 77), *row.expected);
  else
    EXPECT_PALVEX_ERROR(ReadElementSetting("LABEL", "key", 77), ErrorNumber::Overflow, "Overflow");
}

// How the text reads as a number is the numeric prefix's, above; these rows are the element's own.
const StoredRow kStoredRows[] = {
    {{"-2147483633"}, -2147483633}, {{"1,5"}, 2}, {{"3.5"}, 4}, {{"-2,5"}, -2}, {{""}, 0}, {{"(absent)"}, 77},
    {{"1E300"}, 77},
    {{"1,5E300"}, 1},  // the comma reading is out of range, the unchanged text reads 1
    {{"2147483647.4"}, 2147483647}, {{"-2147483648.5"}, -2147483648}, {{"2147483647.5"}, std::nullopt},
    {{"-2147483649"}, std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Label, StoredText, ::testing::ValuesIn(kStoredRows), testing::RowName());

TEST_F(SettingLookup, NonEmptyIniValueWinsOverTheStore) {
  storeLabel("inBoth", "1");
  storeLabel("emptyInIni", "3");
  writeIni("[palvex\\default\\label]\n INBOTH = \"&HFF\" \nemptyInIni=\ninIniOnly=4\n");
  EXPECT_EQ(ReadElementSetting("LABEL", "inBoth", 0), 255);
  EXPECT_EQ(ReadElementSetting("LABEL", "emptyInIni", 0), 3);
  EXPECT_EQ(ReadElementSetting("LABEL", "inIniOnly", 0), 4);
  EXPECT_EQ(GetSettingText(kAppName, kLabel, "inBoth", "x"), "&HFF");
}

TEST_F(SettingLookup, IniPathIsAskedForTheFileAndAFailingIniStepFallsBackToTheStore) {
  storeLabel("foreColor", "4210752");
  writeIni("[Palvex\\Default\\LABEL]\nforeColor=255\n");
  auto utility = std::make_shared<FakeUtility>([this] { return iniFile().string(); });
  installSharedUtility(utility);
  EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", 0), 255);
  EXPECT_EQ(utility->asked, "Orvane.ini|Orvane");

  const std::string directory = dir_.path().string(), pipe = (dir_ / "pipe.ini").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::pair<const char*, std::function<std::string()>> failures[] = {
      {"throws anything", []() -> std::string { throw 42; }},
      {"a directory", [directory] { return directory; }},
      {"a pipe, which must not block", [pipe] { return pipe; }},
      {"empty path", [] { return std::string(); }},
  };
  for (const auto& [name, path] : failures) {
    SCOPED_TRACE(name);
    installSharedUtility(std::make_shared<FakeUtility>(path));
    EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", 0), 0x404040);
    EXPECT_EQ(ElementSettingSource("LABEL", "foreColor"), SettingSource::Store);
  }
}

TEST_F(SettingLookup, WritesDecimalTextUnderTheCurrentThemeNameUnchanged) {
  WriteElementSetting("BUTTON", "BackColorDisabled", static_cast<std::int32_t>(0x8000000Fu));
  EXPECT_EQ(store().read(kAppName, "Palvex\\Default\\BUTTON", "BackColorDisabled"), "-2147483633");

  globales::setCurrentThemeName(" Azul claro ");  // blanks are part of the name
  WriteElementSetting("BUTTON", "BackColorDisabled", 9);
  EXPECT_EQ(store().read(kAppName, "Palvex\\ Azul claro \\BUTTON", "BackColorDisabled"), "9");
}

// Lookups are served from memory inside a load scope, yet never older than
// the state at the start of the scope.
TEST_F(SettingLookup, ReadsOutsideAScopeSeeEveryWriteAndAScopeKeepsOneViewUntilItEnds) {
  storeLabel("foreColor", "1");
  EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", -1), 1);
  storeLabel("foreColor", "2");  // another writer: not through WriteElementSetting
  storeLabel("backColor", "3");  // a key new to a section already cached
  EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", -1), 2);
  EXPECT_EQ(ReadElementSetting("LABEL", "backColor", -1), 3);
  {
    ElementLoadScope scope;
    EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", -1), 2);
    storeLabel("foreColor", "4");
    EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", -1), 2) << "one consistent view within a scope";
    WriteElementSetting("LABEL", "backColor", 8);
    EXPECT_EQ(ReadElementSetting("LABEL", "backColor", -1), 8) << "but our own writes show at once";
  }
  try {
    ElementLoadScope next;
    EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", -1), 4);
    storeLabel("foreColor", "99999999999");
    EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", -1), 4);
    throw std::runtime_error("element creation failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_PALVEX_ERROR(ReadElementSetting("LABEL", "foreColor", -1), ErrorNumber::Overflow, "Overflow");  // the exception ended the scope

  // A store with the same change token (as many writes) must not be mistaken for the old one.
  auto replacement = makeMemoryStore();
  while (replacement->changeToken() < store().changeToken()) replacement->write(kAppName, kLabel, "foreColor", "5");
  ASSERT_EQ(replacement->changeToken(), store().changeToken());
  ElementLoadScope scope;
  installSettingsStore(replacement);
  EXPECT_EQ(ReadElementSetting("LABEL", "foreColor", -1), 5) << "a new store is read even inside a scope";
}

}  // namespace
}  // namespace palvex
