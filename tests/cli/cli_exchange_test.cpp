// palvex export and import: the theme file, the round trip, partial imports.

#include <gtest/gtest.h>

#include "cli_sandbox.h"

namespace palvex::testing {
namespace {

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

using CliExchange = CliTest;

TEST_F(CliExchange, ExportImportExportDiffersOnlyInTheNameAndTheExportServesAsOverrideFile) {
  // Values from the store, the override file and the defaults.
  ok({"set", "Oscuro", "CForm", "BackColor", "#202020", "--create"});
  ok({"set", "Oscuro", "CGrid", "borderStyle", "1"});
  write(ini, "[Palvex\\Oscuro\\LABEL]\nforeColor=12345\n");
  const auto file = ok({"export", "Oscuro"});
  // Written spellings, and values as the engine loads them (the override included).
  for (const char* line : {"\nTabBackColor=16777215\n", "\nborderColor=16627362\n", "\nBackColor=2105376\n",
                           "\n[Palvex\\Oscuro\\LABEL]\nforeColor=12345\n", "\nborderStyle=1\n"})
    EXPECT_NE(file.find(line), std::string::npos) << line;

  ok({"export", "Oscuro", at("a.ini")});
  EXPECT_EQ(read(at("a.ini")), file);
  // Every value the file holds, no more: a section or key too many would be refused.
  EXPECT_EQ(ok({"import", at("a.ini"), "--as", "Copia"}),
            "Imported 38 values from " + at("a.ini") + " into theme \"Copia\" (new catalogue entry 1).\n");
  EXPECT_EQ(occurrences(ok({"show", "Copia", "--json"}), "\"source\": \"store\""), 38u) << "every element saved";
  ok({"export", "Copia", at("b.ini")});
  EXPECT_EQ(replaceAll(file, "[Palvex\\Oscuro\\", "[Palvex\\Copia\\"), read(at("b.ini")));

  // Installed as the override file of another store, the export gives every value.
  store = dir / "other.sqlite";
  write(ini, file);
  ok({"set", "Oscuro", "CShape", "borderColor", "1", "--create"});
  EXPECT_EQ(occurrences(ok({"show", "Oscuro", "--json"}), "\"source\": \"ini\""), 38u);
  EXPECT_EQ(ok({"export", "Oscuro"}), file);
}

TEST_F(CliExchange, ImportUpdatesOnlyTheElementsInTheFile) {
  ok({"set", "Oscuro", "CForm", "BackColor", "1", "--create"});
  ok({"set", "Oscuro", "CShape", "borderColor", "2"});
  write(at("part.ini"), "[Palvex\\oscuro\\FORM]\r\nbackcolor = 3\r\n[Palvex\\oscuro\\BUTTON]\r\nbackColorFocused=4\r\n");
  EXPECT_EQ(ok({"import", at("part.ini")}),
            "Imported 2 values from " + at("part.ini") + " into theme \"Oscuro\" (catalogue entry 0).\n");
  const auto json = ok({"show", "Oscuro", "--json"});
  for (const char* property : {R"({"name": "BackColor", "key": "BackColor", "value": 3, "source": "store"})",
                               R"({"name": "backColorFocused", "key": "backColorFocused", "value": 4, "source": "store"})",
                               R"({"name": "borderColor", "key": "BorderColor", "value": 2, "source": "store"})",
                               // The tab strip shares BUTTON but is not in the file: its keys stay unwritten.
                               R"({"name": "TabBackColor", "key": "TabBackColor", "value": 16777215, "source": "default"})"})
    EXPECT_NE(json.find(property), std::string::npos) << property;

  write(at("cafe.ini"), "[Palvex\\Caf\xe9\\LABEL]\nforeColor=9\n");  // Windows-1252
  ok({"import", at("cafe.ini")});
  EXPECT_EQ(ok({"list"}), "0  Oscuro\n1  Caf\xc3\xa9\n");
}

}  // namespace
}  // namespace palvex::testing
