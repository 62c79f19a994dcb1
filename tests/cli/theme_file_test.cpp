#include "theme_file.h"


#include <string>

#include "element_tables.h"
#include "support/test_env.h"
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

// A refused file: `name` says what is wrong with `text`, `message` is how the refusal starts.
struct RefusalRow : testing::NamedRow {
  std::string text, message;
};

class ThemeFileRefusal : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(ThemeFileRefusal, ReportsTheFirstProblemWithItsLineAndCountsTheRest) {
  const auto& row = GetParam();
  const auto message = outcome(row.text);
  EXPECT_EQ(message.substr(0, row.message.size()), row.message);
  EXPECT_EQ(message.find("more problem") == std::string::npos, row.message.find("more problem") == std::string::npos)
      << message;
}

const RefusalRow kRefusals[] = {
    {{"border style past 16 bits"}, "[Palvex\\A\\GRID]\nborderStyle=40000\n",
     "t.ini:2: value 40000 of key \"borderStyle\" does not fit 16 bits"},
    {{"misspelt word"}, "[Palvex\\A\\BUTON]\n",
     "t.ini:1: unknown section word \"BUTON\" (valid words: BUTTON, GRID, TEXT, CHECK, LABEL,"},
    {{"unknown key"}, "[Palvex\\A\\FORM]\nForeColor=1\n",
     "t.ini:2: unknown key \"ForeColor\" in section FORM (valid keys: BackColor, MenuColor)"},
    {{"other application"}, "[Other\\A\\FORM]\n", "t.ini:1: section [Other\\A\\FORM] is not a theme section"},
    {{"property set twice"}, "[Palvex\\A\\CHECK]\ncheckColor=1\nCheckColor=2\n",
     "t.ini:3: key \"CheckColor\" sets the same property as line 2"},
    {{"section repeated"}, "[Palvex\\A\\FORM]\n[Palvex\\A\\form]\n", "t.ini:2: section FORM appears again (first on line 1)"},
    {{"second theme"}, "[Palvex\\A\\FORM]\n[Palvex\\B\\GRID]\n",
     "t.ini:2: section for a second theme \"B\" (line 1 is for \"A\"); use --as NAME"},
    {{"not an entry"}, "[Palvex\\A\\FORM]\nBackColor 1\n", "t.ini:2: expected KEY=VALUE"},
    {{"no sections"}, "; only a comment\n", "t.ini: no theme sections"},
    {{"one theme in two spellings is accepted"}, "[Palvex\\Oscuro\\FORM]\n[Palvex\\OSCURO\\GRID]\n", "Oscuro"},
    {{"two more problems"}, "[Palvex\\A\\FORM]\nBackColor=x\nMenuColor=y\nnope=1\n",
     "t.ini:2: value \"x\" of key \"BackColor\": not a number: use a decimal number, 0x followed by hex digits, or "
     "#RRGGBB (and 2 more problems)"},
};
INSTANTIATE_TEST_SUITE_P(Files, ThemeFileRefusal, ::testing::ValuesIn(kRefusals), testing::RowName());

}  // namespace
}  // namespace palvex::cli
