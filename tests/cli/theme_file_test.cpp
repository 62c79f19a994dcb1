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

// "THEME CLASS.PROPERTY=VALUE@LINE ..." for an accepted `text`, else the refusal.
std::string outcome(const std::string& text, bool renaming = false) {
  try {
    const auto file = parseThemeFile(text, kSchema, renaming, "t.ini");
    std::string summary = file.theme;
    for (const auto& v : file.values)
      summary += " " + v.className + "." + v.propertyName + "=" + std::to_string(v.value) + "@" + std::to_string(v.line);
    return summary;
  } catch (const UserError& e) {
    return e.what();
  }
}

TEST(ThemeFile, ReadsKeysInEitherSpellingAndValuesInEveryForm) {
  EXPECT_EQ(outcome("; a comment\r\n\r\n[ Palvex\\Azul claro\\button ]\r\nFORECOLOR = 255\r\n"
                    "backcolorfocused=\"0x8000000F\"\r"  // a lone CR ends a line too
                    "TabBackColor=#FF0000\n[palvex\\AZUL CLARO\\GRID]\nborderStyle=1\n"),
            "Azul claro CCommandButton.foreColor=255@4 CCommandButton.backColorFocused=-2147483633@5 "
            "CTabStrip.TabBackColor=255@6 CGrid.borderStyle=1@8");
  // Renamed, the sections of several themes make one.
  EXPECT_EQ(outcome("[Palvex\\A\\BUTTON]\nforeColor=1\n[Palvex\\B\\GRID]\ngridColor=2\n", true),
            "A CCommandButton.foreColor=1@2 CGrid.gridColor=2@4");
}

TEST(ThemeFile, ReportsTheFirstProblemWithItsLineAndCountsTheRest) {
  const std::pair<std::string, std::string> cases[] = {
      {"[Palvex\\A\\BUTTON]\nforeColor=\n", "t.ini:2: value \"\" of key \"foreColor\": empty value"},
      {"[Palvex\\A\\GRID]\nborderStyle=40000\n", "t.ini:2: value 40000 of key \"borderStyle\" does not fit 16 bits"},
      {"[Palvex\\A\\BUTON]\n", "t.ini:1: unknown section word \"BUTON\" (valid words: BUTTON, GRID)"},
      {"[Palvex\\A\\NOPE]\nwhatever=1\n", "t.ini:1: unknown section word \"NOPE\""},  // its keys are not reported
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
      {"[Palvex\\A\\BUTTON]\nforeColor=1\nTabBackColor=y\nnope=1\n", "t.ini:3: value \"y\" of key \"TabBackColor\": not a number: use a decimal number, 0x followed by hex digits, or #RRGGBB (and 1 more problem)"},
      {"[Palvex\\A\\BUTTON]\nforeColor=x\nTabBackColor=y\nnope=1\n", "t.ini:2: value \"x\" of key \"foreColor\": not a number: use a decimal number, 0x followed by hex digits, or #RRGGBB (and 2 more problems)"},
  };
  for (const auto& [text, expected] : cases) {
    const auto message = outcome(text);
    EXPECT_EQ(message.substr(0, expected.size()), expected) << text;
    EXPECT_EQ(message.find("more problem") == std::string::npos, expected.find("more problem") == std::string::npos) << message;
  }
  EXPECT_EQ(outcome("[Palvex\\Oscuro\\BUTTON]\n[Palvex\\OSCURO\\GRID]\n"), "Oscuro") << "one theme under two spellings";
  EXPECT_NE(outcome("[Palvex\\A\\GRID]\n[Palvex\\B\\GRID]\n", true).find("appears again"), std::string::npos)
      << "renamed, two themes' sections of one word would land on the same section";
}

}  // namespace
}  // namespace palvex::cli
