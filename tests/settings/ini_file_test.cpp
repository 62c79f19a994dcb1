#include "profile/ini_file.h"

#include <fstream>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "support/test_env.h"

namespace palvex::profile {
namespace {

struct LookupCase {
  const char* name;
  std::string content;
  const char* section;
  const char* key;
  std::optional<std::string> expected;  // nullopt: section or key missing
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }

class IniLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(IniLookup, FindsWhatTheProfileApiWould) {
  const LookupCase& c = GetParam();
  const IniFile file = IniFile::parse(c.content);
  auto found = file.find(c.section, c.key);
  if (!c.expected) {
    EXPECT_FALSE(found) << "got \"" << *found << "\"";
    return;
  }
  ASSERT_TRUE(found);
  EXPECT_EQ(*found, *c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    MatchingRules, IniLookup,
    ::testing::Values(
        LookupCase{"plain", "[s]\nk=v\n", "s", "k", "v"},
        LookupCase{"sectionAndKeyIgnoreCase", "[Palvex\\Default\\LABEL]\nForeColor=1\n", "palvex\\default\\label",
                   "FORECOLOR", "1"},
        LookupCase{"caseBlindForEveryLetter", "[AZUL ÑANDÚ]\nCLAVÉ=1\n", "azul ñandú", "clavé", "1"},
        LookupCase{"accentsStillMatter", "[s]\nclave=1\n", "s", "clavé", std::nullopt},
        LookupCase{"valueKeepsItsCase", "[s]\nk=MiXeD\n", "S", "K", "MiXeD"},
        LookupCase{"spacesAroundArgumentsIgnored", "[s]\nk=v\n", "  s ", " k  ", "v"},
        LookupCase{"tabsInArgumentsCount", "[s]\nk=v\n", "s", "\tk", std::nullopt},
        LookupCase{"blanksAroundKeyAndValue", "[s]\n \t\vk \t= \v v w \t\n", "s", "k", "v w"},
        LookupCase{"blanksInsideHeaderBrackets", "  [ \tcolours \v]\nk=v\n", "colours", "k", "v"},
        LookupCase{"splitsAtFirstEquals", "[s]\nk = a=b=c\n", "s", "k", "a=b=c"},
        LookupCase{"emptyValueIsAKey", "[s]\nk=\n", "s", "k", ""},
        LookupCase{"lineWithoutEqualsIsNoKey", "[s]\nk\n", "s", "k", std::nullopt},
        LookupCase{"doubleQuotesRemoved", "[s]\nk = \" x\"\n", "s", "k", " x"},
        LookupCase{"singleQuotesRemoved", "[s]\nk='y '\n", "s", "k", "y "},
        LookupCase{"onlyTheOuterPair", "[s]\nk=\"\"a\"\"\n", "s", "k", "\"a\""},
        LookupCase{"mismatchedQuotesKept", "[s]\nk=\"a'\n", "s", "k", "\"a'"},
        LookupCase{"loneQuoteKept", "[s]\nk=\"\n", "s", "k", "\""},
        LookupCase{"quotesInKeyNamesKept", "[s]\n\"k\"=v\n", "s", "k", std::nullopt},
        LookupCase{"semicolonLineIsComment", "[s]\n  ;k=v\n", "s", ";k", std::nullopt},
        LookupCase{"hashIsNotComment", "[s]\n#k=v\n", "s", "#k", "v"},
        LookupCase{"noInlineComments", "[s]\na=diet ;x\n", "s", "a", "diet ;x"},
        LookupCase{"firstDuplicateKeyWins", "[s]\nk=1\nK=2\n", "s", "k", "1"},
        LookupCase{"firstDuplicateSectionWins", "[s]\na=1\n[t]\n[S]\na=2\nb=3\n", "s", "a", "1"},
        LookupCase{"repeatedSectionIsNotSearched", "[s]\na=1\n[S]\nb=3\n", "s", "b", std::nullopt},
        LookupCase{"linesBeforeFirstHeaderUnreachable", "k=v\n[s]\n", "", "k", std::nullopt},
        LookupCase{"headerEndsAtFirstBracket", "[s]junk]\nk=v\n", "s", "k", "v"},
        LookupCase{"headerWithoutBracket", "[open section\nk=v\n", "open section", "k", "v"},
        LookupCase{"blankLinesDoNotEndSection", "[s]\n\n\n  \nk=v\n", "s", "k", "v"},
        LookupCase{"sectionRunsToNextHeader", "[s]\n[t]\nk=v\n", "s", "k", std::nullopt},
        LookupCase{"crlfLineEnds", "[s]\r\nk=v\r\nj=w\r\n", "s", "k", "v"},
        LookupCase{"loneCrLineEnds", "[s]\rk=v\rj=w", "s", "j", "w"},
        LookupCase{"mixedLineEnds", "[s]\r\na=1\rb=2\nc=3", "s", "b", "2"},
        LookupCase{"backslashSections", "[Palvex\\Azul claro\\LABEL]\nforeColor=255\n", "Palvex\\Azul claro\\LABEL",
                   "foreColor", "255"},
        LookupCase{"missingSection", "[s]\nk=v\n", "t", "k", std::nullopt}),
    [](const ::testing::TestParamInfo<LookupCase>& p) { return std::string(p.param.name); });

TEST(IniFile, CutsLongValuesAt1023Characters) {
  const std::string exact(1023, 'a');
  EXPECT_EQ(IniFile::parse("[s]\nk=" + exact + "\n").find("s", "k"), exact);
  EXPECT_EQ(IniFile::parse("[s]\nk=" + exact + "bc\n").find("s", "k"), exact);
  // Characters, not bytes: a multi-byte character is never split.
  std::string accented;
  for (int i = 0; i < 1030; ++i) accented += "é";
  const IniFile file = IniFile::parse("[s]\nk=" + accented + "\n");
  auto found = file.find("s", "k");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->size(), 1023u * 2);
}

struct EncodingCase {
  const char* name;
  std::string bytes;
  const char* section;
  std::string expected;
};

void PrintTo(const EncodingCase& c, std::ostream* os) { *os << c.name; }

class IniEncoding : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(IniEncoding, DecodesToUtf8) {
  const EncodingCase& c = GetParam();
  EXPECT_EQ(IniFile::parse(c.bytes).find(c.section, "k"), c.expected);
}

// "[é]\r\nk=ñ€𝄞" in UTF-16LE with its byte-order mark.
const std::string kUtf16 = std::string("\xFF\xFE[\0\xE9\0]\0\r\0\n\0k\0=\0\xF1\0\xAC\x20\x34\xD8\x1E\xDD", 24);

INSTANTIATE_TEST_SUITE_P(
    Encodings, IniEncoding,
    ::testing::Values(EncodingCase{"utf8", "[é]\nk=ñ€\n", "É", "ñ€"},
                      EncodingCase{"utf8WithBom", "\xEF\xBB\xBF[s]\nk=v\n", "s", "v"},
                      EncodingCase{"windows1252", "[\xE9]\nk=\xF1\x80\x81\n", "é", "ñ€\xC2\x81"},
                      EncodingCase{"utf16le", kUtf16, "é", "ñ€𝄞"},
                      EncodingCase{"utf16leLoneSurrogate", std::string("\xFF\xFE[\0s\0]\0\n\0k\0=\0\x00\xD8", 16), "s",
                                   "\xEF\xBF\xBD"}),
    [](const ::testing::TestParamInfo<EncodingCase>& p) { return std::string(p.param.name); });

TEST(GetPrivateProfileString, FallsBackWhenFileSectionOrKeyIsMissing) {
  testing::TempDir dir;
  const auto path = dir / "Orvane.ini";
  EXPECT_EQ(getPrivateProfileString("s", "k", "dflt", path), "dflt");
  std::ofstream(path) << "[s]\nk=v\n";
  EXPECT_EQ(getPrivateProfileString("s", "k", "dflt", path), "v");
  EXPECT_EQ(getPrivateProfileString("s", "other", "dflt", path), "dflt");
  EXPECT_EQ(getPrivateProfileString("t", "k", "", path), "");
  // A directory in place of the file cannot be read.
  EXPECT_EQ(getPrivateProfileString("s", "k", "dflt", dir.path()), "dflt");
}

}  // namespace
}  // namespace palvex::profile
