#include "theme_file.h"

#include <gtest/gtest.h>

#include <string>

#include "element_tables.h"
#include "user_error.h"

namespace palvex::cli {
namespace {

// "THEME CLASS.PROPERTY=VALUE@LINE ..." for an accepted `text`, else the refusal.
std::string outcome(const std::string& text, bool renaming = false) {
  try {
    const auto file = parseThemeFile(text, elementTables(), renaming, "t.ini");
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
                    "TabBackColor=#FF0000\n[palvex\\AZUL CLARO\\CHECK]\ncheckColor=1\n"),
            "Azul claro CCommandButton.foreColor=255@4 CCommandButton.backColorFocused=-2147483633@5 "
            "CTabStrip.TabBackColor=255@6 CCheckBox.CheckColor=1@8");
  // Renamed, the sections of several themes make one.
  EXPECT_EQ(outcome("[Palvex\\A\\FORM]\nMenuColor=1\n[Palvex\\B\\GRID]\nborderStyle=-2\n", true),
            "A CForm.MenuColor=1@2 CGrid.borderStyle=-2@4");
}

TEST(ThemeFile, ReportsTheFirstProblemWithItsLineAndCountsTheRest) {
  const std::string notANumber = "not a number: use a decimal number, 0x followed by hex digits, or #RRGGBB";
  const std::pair<std::string, std::string> cases[] = {
      {"[Palvex\\A\\FORM]\nBackColor=\n", "t.ini:2: value \"\" of key \"BackColor\": empty value"},
      {"[Palvex\\A\\GRID]\nborderStyle=40000\n", "t.ini:2: value 40000 of key \"borderStyle\" does not fit 16 bits"},
      {"[Palvex\\A\\BUTON]\n", "t.ini:1: unknown section word \"BUTON\" (valid words: BUTTON, GRID, TEXT, CHECK, LABEL,"},
      {"[Palvex\\A\\NOPE]\nwhatever=1\n", "t.ini:1: unknown section word \"NOPE\""},  // its keys are not reported
      {"[Palvex\\A\\FORM]\nForeColor=1\n", "t.ini:2: unknown key \"ForeColor\" in section FORM (valid keys: BackColor, MenuColor)"},
      {"[Other\\A\\FORM]\n", "t.ini:1: section [Other\\A\\FORM] is not a theme section"},
      {"[Palvex\\FORM]\n", "t.ini:1: section [Palvex\\FORM] is not a theme section"},
      {"[Palvex\\\\FORM]\n", "t.ini:1: section [Palvex\\\\FORM] names no theme"},
      {"[Palvex\\A\\FORM\nBackColor=1\n", "t.ini:1: section header without a closing ']'"},
      {"BackColor=1\n[Palvex\\A\\FORM]\n", "t.ini:1: a key outside any section"},
      {"[Palvex\\A\\FORM]\nBackColor 1\n", "t.ini:2: expected KEY=VALUE"},
      {"[Palvex\\A\\FORM]\n=1\n", "t.ini:2: a value without a key name"},
      {"[Palvex\\A\\CHECK]\ncheckColor=1\nCheckColor=2\n", "t.ini:3: key \"CheckColor\" sets the same property as line 2"},
      {"[Palvex\\A\\FORM]\n[Palvex\\A\\form]\n", "t.ini:2: section FORM appears again (first on line 1)"},
      {"[Palvex\\A\\FORM]\n[Palvex\\B\\GRID]\n", "t.ini:2: section for a second theme \"B\" (line 1 is for \"A\"); use --as NAME"},
      {"; only a comment\n", "t.ini: no theme sections"},
      {"[Palvex\\Oscuro\\FORM]\n[Palvex\\OSCURO\\GRID]\n", "Oscuro"},  // one theme under two spellings
      {"[Palvex\\A\\FORM]\nBackColor=1\nMenuColor=y\nnope=1\n", "t.ini:3: value \"y\" of key \"MenuColor\": " + notANumber + " (and 1 more problem)"},
      {"[Palvex\\A\\FORM]\nBackColor=x\nMenuColor=y\nnope=1\n", "t.ini:2: value \"x\" of key \"BackColor\": " + notANumber + " (and 2 more problems)"},
  };
  for (const auto& [text, expected] : cases) {
    const auto message = outcome(text);
    EXPECT_EQ(message.substr(0, expected.size()), expected) << text;
    EXPECT_EQ(message.find("more problem") == std::string::npos, expected.find("more problem") == std::string::npos) << message;
  }
  EXPECT_NE(outcome("[Palvex\\A\\GRID]\n[Palvex\\B\\GRID]\n", true).find("appears again"), std::string::npos)
      << "renamed, two themes' sections of one word would land on the same section";
}

}  // namespace
}  // namespace palvex::cli
