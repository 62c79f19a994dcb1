// The INI override file: where it is looked for, and what the profile API
// finds in it.

#include "profile/ini_file.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "palvex/shared_utility.h"
#include "support/test_env.h"

namespace palvex::profile {
namespace {

// A file's `content`, a lookup of `section` and `key`, and what it finds
// (nullopt: section or key missing).
struct IniRow : testing::NamedRow {
  std::string content;
  const char *section, *key;
  std::optional<std::string> expected;
};

class IniLookup : public ::testing::TestWithParam<IniRow> {};

TEST_P(IniLookup, FindsWhatTheProfileApiWould) {
  const auto& row = GetParam();
  EXPECT_EQ(IniFile::parse(row.content).find(row.section, row.key), row.expected);
}

const IniRow kLookups[] = {
    {{"case-blind for every letter, value as written"}, "[AZUL ÑANDÚ]\nCLAVÉ=MiXeD\n", "azul ñandú", "clavé", "MiXeD"},
    {{"accents still matter"}, "[s]\nclave=1\n", "s", "clavé", std::nullopt},
    {{"spaces around arguments ignored"}, "[s]\nk=v\n", "  s ", " k  ", "v"},
    {{"tabs in arguments count"}, "[s]\nk=v\n", "s", "\tk", std::nullopt},
    {{"blanks around key and value"}, "[s]\n \t\vk \t= \v v w \t\n", "s", "k", "v w"},
    {{"blanks inside header brackets"}, "  [ \tcolours \v]\nk=v\n", "colours", "k", "v"},
    {{"split at the first equals"}, "[s]\nk = a=b=c\n", "s", "k", "a=b=c"},
    {{"empty value is a key"}, "[s]\nk=\n", "s", "k", ""},
    {{"line without equals is no key"}, "[s]\nk\n", "s", "k", std::nullopt},
    {{"double quotes removed"}, "[s]\nk = \" x\"\n", "s", "k", " x"},
    {{"only the outer pair"}, "[s]\nk=\"\"a\"\"\n", "s", "k", "\"a\""},
    {{"mismatched quotes kept"}, "[s]\nk=\"a'\n", "s", "k", "\"a'"},
    {{"semicolon line is a comment"}, "[s]\n  ;k=v\n", "s", ";k", std::nullopt},
    {{"no inline comments"}, "[s]\na=diet ;x\n", "s", "a", "diet ;x"},
    {{"first duplicate key wins"}, "[s]\nk=1\nK=2\n", "s", "k", "1"},
    {{"repeated section is not searched"}, "[s]\na=1\n[S]\nb=3\n", "s", "b", std::nullopt},
    {{"lines before the first header unreachable"}, "k=v\n[s]\n", "", "k", std::nullopt},
    {{"header ends at the first bracket"}, "[s]junk]\nk=v\n", "s", "k", "v"},
    {{"header without bracket"}, "[open section\nk=v\n", "open section", "k", "v"},
    {{"a section runs to the next header"}, "[s]\n[t]\nk=v\n", "s", "k", std::nullopt},
    {{"mixed line ends"}, "[s]\r\na=1\rb=2\nc=3", "s", "b", "2"},
    // Encodings: UTF-8 (BOM skipped), else Windows-1252; UTF-16LE with its BOM.
    {{"utf8"}, "[é]\nk=ñ€\n", "É", "k", "ñ€"},
    {{"utf8 with BOM"}, "\xEF\xBB\xBF[s]\nk=v\n", "s", "k", "v"},
    {{"windows-1252"}, "[\xE9]\nk=\xF1\x80\x81\n", "é", "k", "ñ€\xC2\x81"},
    {{"utf16le"}, std::string("\xFF\xFE[\0\xE9\0]\0\r\0\n\0k\0=\0\xF1\0\xAC\x20\x34\xD8\x1E\xDD", 24), "é", "k", "ñ€𝄞"},
    {{"utf16le lone surrogate"}, std::string("\xFF\xFE[\0s\0]\0\n\0k\0=\0\x00\xD8", 16), "s", "k", "\xEF\xBF\xBD"},
};
INSTANTIATE_TEST_SUITE_P(Files, IniLookup, ::testing::ValuesIn(kLookups), testing::RowName());

TEST(IniFile, CutsLongValuesAt1023Characters) {
  const std::string exact(1023, 'a');
  EXPECT_EQ(IniFile::parse("[s]\nk=" + exact + "bc\n").find("s", "k"), exact);
  // Characters, not bytes: a multi-byte character is never split.
  std::string accented;
  for (int i = 0; i < 1030; ++i) accented += "é";
  EXPECT_EQ(IniFile::parse("[s]\nk=" + accented + "\n").find("s", "k"), accented.substr(0, 1023 * 2));
}

}  // namespace
}  // namespace palvex::profile

namespace palvex {
namespace {

using testing::ScopedEnv;

TEST(DefaultIniPath, ExplicitThenUserThenFirstExistingSystemFileThenTheUserPath) {
  testing::TempDir dir;
  const std::string dirs = "relative/dir::" + (dir / "etc1").string() + ":" + (dir / "etc2").string();
  ScopedEnv ini("PALVEX_INI", nullptr), home("XDG_CONFIG_HOME", (dir / "home").c_str()), xdg("XDG_CONFIG_DIRS", dirs.c_str());
  auto iniPath = [] {
    std::string fileName = "Orvane.ini", appName = "Orvane";
    return makeDefaultSharedUtility()->iniPath(fileName, appName);
  };
  EXPECT_EQ(iniPath(), (dir / "home/orvane/Orvane.ini").string()) << "none exists yet";
  // Each file is created before the lookup (argument order is unspecified).
  for (const char* file : {"etc2/orvane/Orvane.ini", "etc1/orvane/Orvane.ini", "home/orvane/Orvane.ini"}) {
    std::filesystem::create_directories((dir / file).parent_path());
    std::ofstream(dir / file) << "[s]\n";
    EXPECT_EQ(iniPath(), (dir / file).string());
  }
  ScopedEnv user("HOME", (dir / "user").c_str()), relative("XDG_CONFIG_HOME", "relative/config"),
      noDirs("XDG_CONFIG_DIRS", (dir / "none").c_str());
  EXPECT_EQ(iniPath(), (dir / "user/.config/orvane/Orvane.ini").string()) << "a relative base is no base";
}

}  // namespace
}  // namespace palvex
