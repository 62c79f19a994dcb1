#include "theme_file.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "user_error.h"

namespace palvex::cli {
namespace {

// Small stand-ins for the element tables: two classes share BUTTON, one key
// is read and written in different spellings, and one property is 16-bit.
constexpr PropertyRow kButtonProps[] = {
    {"foreColor", "foreColor", "foreColor", 0xFFFFFF, "foreColor", "foreColor"},
    {"backColorFocused", "backColorFocused", "BackColorFocused", 0xC00000, "backColorFocused", "backColorFocused"},
};
constexpr PropertyRow kTabProps[] = {
    {"TabBackColor", "TabBackColor", "TabBackColor", 0xFFFFFF, "TabBackColor", "TabBackColor"},
};
constexpr PropertyRow kGridProps[] = {
    {"gridColor", "gridColor", "gridColor", 0xFDB6A2, "gridColor", "gridColor"},
    {"borderStyle", "borderStyle", "borderStyle", 0, "borderStyle", "borderStyle", PropertyWidth::Whole16},
};
const ElementTable kButton{"CCommandButton", "BUTTON", kButtonProps, {}};
const ElementTable kTab{"CTabStrip", "BUTTON", kTabProps, {}};
const ElementTable kGrid{"CGrid", "GRID", kGridProps, {}};
const std::array<const ElementTable*, 3> kSchema = {&kButton, &kGrid, &kTab};

ThemeFile parse(const std::string& text, bool renaming = false) {
  return parseThemeFile(text, kSchema, renaming, "t.ini");
}

// The message of the UserError `text` raises ("" when it is accepted).
std::string refusal(const std::string& text, bool renaming = false) {
  try {
    parse(text, renaming);
  } catch (const UserError& e) {
    return e.what();
  }
  return "";
}

TEST(ThemeFile, ReadsKeysInEitherSpellingAndValuesInEveryForm) {
  auto file = parse(
      "; a comment\r\n"
      "\r\n"
      "[ Palvex\\Azul claro\\button ]\r\n"
      "FORECOLOR = 255\r\n"
      "backcolorfocused=\"0x8000000F\"\r"
      "TabBackColor=#FF0000\n"
      "[palvex\\AZUL CLARO\\GRID]\n"
      "borderStyle=1\n");
  EXPECT_EQ(file.theme, "Azul claro");
  ASSERT_EQ(file.values.size(), 4u);
  EXPECT_EQ(file.values[0].className, "CCommandButton");
  EXPECT_EQ(file.values[0].propertyName, "foreColor");
  EXPECT_EQ(file.values[0].value, 255);
  EXPECT_EQ(file.values[0].line, 4);
  EXPECT_EQ(file.values[1].propertyName, "backColorFocused");
  EXPECT_EQ(file.values[1].value, static_cast<std::int32_t>(0x8000000Fu));
  EXPECT_EQ(file.values[1].line, 5);  // a lone CR ends a line too
  EXPECT_EQ(file.values[2].className, "CTabStrip");
  EXPECT_EQ(file.values[2].value, 0x0000FF);
  EXPECT_EQ(file.values[3].className, "CGrid");
  EXPECT_EQ(file.values[3].line, 8);
}

TEST(ThemeFile, ReportsTheFirstProblemWithItsLineAndCountsTheRest) {
  const std::pair<std::string, std::string> cases[] = {
      {"[Palvex\\A\\BUTTON]\nforeColor=abc\n", "t.ini:2: value \"abc\" of key \"foreColor\": not a number"},
      {"[Palvex\\A\\BUTTON]\nforeColor=4294967296\n", "t.ini:2: value \"4294967296\" of key \"foreColor\": does not fit 32 bits"},
      {"[Palvex\\A\\BUTTON]\nforeColor=\n", "t.ini:2: value \"\" of key \"foreColor\": empty value"},
      {"[Palvex\\A\\GRID]\nborderStyle=40000\n", "t.ini:2: value 40000 of key \"borderStyle\" does not fit 16 bits"},
      {"[Palvex\\A\\BUTON]\n", "t.ini:1: unknown section word \"BUTON\" (valid words: BUTTON, GRID)"},
      {"[Palvex\\A\\BUTTON]\ngridColor=1\n", "t.ini:2: unknown key \"gridColor\" in section BUTTON (valid keys: foreColor, BackColorFocused, TabBackColor)"},
      {"[Other\\A\\BUTTON]\n", "t.ini:1: section [Other\\A\\BUTTON] is not a theme section"},
      {"[Palvex\\BUTTON]\n", "t.ini:1: section [Palvex\\BUTTON] is not a theme section"},
      {"[Palvex\\\\BUTTON]\n", "t.ini:1: section [Palvex\\\\BUTTON] names no theme"},
      {"[Palvex\\A\\BUTTON\nforeColor=1\n", "t.ini:1: section header without a closing ']'"},
      {"foreColor=1\n[Palvex\\A\\BUTTON]\n", "t.ini:1: a key outside any section"},
      {"[Palvex\\A\\BUTTON]\nforeColor 1\n", "t.ini:2: expected KEY=VALUE"},
      {"[Palvex\\A\\BUTTON]\n=1\n", "t.ini:2: a value without a key name"},
      {"[Palvex\\A\\BUTTON]\nbackColorFocused=1\nBackColorFocused=2\n", "t.ini:3: key \"BackColorFocused\" sets the same property as line 2"},
      {"[Palvex\\A\\GRID]\n[Palvex\\A\\grid]\n", "t.ini:2: section GRID appears again (first on line 1)"},
      {"[Palvex\\A\\BUTTON]\n[Palvex\\B\\GRID]\n", "t.ini:2: section for a second theme \"B\" (line 1 is for \"A\"); use --as NAME"},
      {"; only a comment\n", "t.ini: no theme sections"},
      {"", "t.ini: no theme sections"},
      {"[Palvex\\A\\BUTTON]\nforeColor=1\nTabBackColor=y\nnope=1\n", "t.ini:3: value \"y\" of key \"TabBackColor\": not a number: use a decimal number, 0x followed by hex digits, or #RRGGBB (and 1 more problem)"},
      {"[Palvex\\A\\BUTTON]\nforeColor=x\nTabBackColor=y\nnope=1\n", "t.ini:2: value \"x\" of key \"foreColor\": not a number: use a decimal number, 0x followed by hex digits, or #RRGGBB (and 2 more problems)"},
  };
  for (const auto& [text, expected] : cases) {
    const auto message = refusal(text);
    EXPECT_EQ(message.substr(0, expected.size()), expected) << text;
  }
}

TEST(ThemeFile, KeysOfARefusedSectionAreNotReportedAgain) {
  EXPECT_EQ(refusal("[Palvex\\A\\NOPE]\nwhatever=1\nmore=2\n"),
            "t.ini:1: unknown section word \"NOPE\" (valid words: BUTTON, GRID)");
}

TEST(ThemeFile, OneThemeUnderAnySpellingOrSeveralWhenRenaming) {
  EXPECT_EQ(refusal("[Palvex\\Oscuro\\BUTTON]\n[Palvex\\OSCURO\\GRID]\n"), "");
  auto file = parse("[Palvex\\A\\BUTTON]\nforeColor=1\n[Palvex\\B\\GRID]\ngridColor=2\n", true);
  EXPECT_EQ(file.theme, "A");
  EXPECT_EQ(file.values.size(), 2u);
  // Renamed, two themes' sections of one word would land on the same section.
  EXPECT_NE(refusal("[Palvex\\A\\GRID]\n[Palvex\\B\\GRID]\n", true).find("appears again"), std::string::npos);
}

TEST(ThemeFile, RenderGroupsSharedSectionsAndWritesWrittenSpellings) {
  const ElementValues elements[] = {
      {&kButton, {16777215, -2147483633}},
      {&kGrid, {16627362, 1}},
      {&kTab, {255}},
  };
  EXPECT_EQ(renderThemeFile("Azul claro", elements),
            "; Written by palvex export. Install it as Orvane.ini, or load it with palvex import.\n"
            "\n[Palvex\\Azul claro\\BUTTON]\n"
            "foreColor=16777215\n"
            "BackColorFocused=-2147483633\n"
            "TabBackColor=255\n"
            "\n[Palvex\\Azul claro\\GRID]\n"
            "gridColor=16627362\n"
            "borderStyle=1\n");
}

}  // namespace
}  // namespace palvex::cli
