// palvex export and import: the theme file, the round trip, and refusals
// that leave the store untouched.

#include <gtest/gtest.h>

#include "cli_sandbox.h"

namespace palvex::testing {
namespace {

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

class Exchange : public CliTest {
 protected:
  // A theme with values from the store, the override file and the defaults.
  void makeOscuro() {
    ok({"set", "Oscuro", "CForm", "BackColor", "#202020", "--create"});
    ok({"set", "Oscuro", "CGrid", "borderStyle", "1"});
    ok({"set", "Oscuro", "CText", "BackColorFocused", "0x80000005"});
    box.writeFile(box.ini(), "[Palvex\\Oscuro\\LABEL]\nforeColor=12345\n");
  }
};

TEST_F(Exchange, ExportWritesEverySectionOnceWithEveryKey) {
  makeOscuro();
  const auto file = ok({"export", "Oscuro"});
  EXPECT_TRUE(file.starts_with("; ")) << file;
  const char* sections[] = {"BUTTON", "GRID", "TEXT", "CHECK", "LABEL", "TOOLBAR", "STATUSBAR", "FORM", "SHAPE"};
  std::size_t at = 0;
  for (const char* word : sections) {
    at = file.find(std::string("\n[Palvex\\Oscuro\\") + word + "]\n", at);
    EXPECT_NE(at, std::string::npos) << word;
  }
  EXPECT_EQ(occurrences(file, "\n["), 9u);
  EXPECT_EQ(occurrences(file, "="), 38u);
  // Written spellings, and values as the engine loads them (the override included).
  EXPECT_NE(file.find("\nTabBackColor=16777215\n"), std::string::npos);
  EXPECT_NE(file.find("\nborderColor=16627362\n"), std::string::npos);
  EXPECT_NE(file.find("\nBackColor=2105376\n"), std::string::npos);
  EXPECT_NE(file.find("\n[Palvex\\Oscuro\\LABEL]\nforeColor=12345\n"), std::string::npos);
  EXPECT_NE(file.find("\nborderStyle=1\n"), std::string::npos);

  ok({"export", "Oscuro", box.path("oscuro.ini").string()});
  EXPECT_EQ(box.readFile(box.path("oscuro.ini")), file);
}

TEST_F(Exchange, ExportImportUnderAnotherNameExportAgainDiffersOnlyInTheName) {
  makeOscuro();
  ok({"export", "Oscuro", box.path("a.ini").string()});
  EXPECT_EQ(ok({"import", box.path("a.ini").string(), "--as", "Copia"}),
            "Imported 38 values from " + box.path("a.ini").string() + " into theme \"Copia\" (new catalogue entry 1).\n");
  ok({"export", "Copia", box.path("b.ini").string()});

  const auto a = box.readFile(box.path("a.ini"));
  const auto b = box.readFile(box.path("b.ini"));
  EXPECT_NE(a, b);
  EXPECT_EQ(replaceAll(a, "[Palvex\\Oscuro\\", "[Palvex\\Copia\\"), b);
  EXPECT_EQ(ok({"list"}), "0  Oscuro\n1  Copia\n");
}

TEST_F(Exchange, ExportInstalledAsTheOverrideFileGivesTheSameTheme) {
  makeOscuro();
  const auto file = ok({"export", "Oscuro"});
  const auto shown = ok({"show", "Oscuro", "--json"});

  CliSandbox other;
  other.writeFile(other.ini(), file);
  auto created = other.run({"set", "Oscuro", "CShape", "borderColor", "1", "--create"});
  ASSERT_EQ(created.status, 0) << created.err;
  auto fromIni = other.run({"show", "Oscuro", "--json"});
  ASSERT_EQ(fromIni.status, 0) << fromIni.err;
  EXPECT_EQ(occurrences(fromIni.out, "\"source\": \"ini\""), 38u);
  EXPECT_EQ(replaceAll(replaceAll(fromIni.out, "\"ini\"", "?"), "\"store\"", "?"),
            replaceAll(replaceAll(replaceAll(shown, "\"ini\"", "?"), "\"store\"", "?"), "\"default\"", "?"));
}

TEST_F(Exchange, ImportIntoAnExistingThemeUpdatesOnlyTheElementsInTheFile) {
  ok({"set", "Oscuro", "CForm", "BackColor", "1", "--create"});
  ok({"set", "Oscuro", "CShape", "borderColor", "2"});
  box.writeFile(box.path("part.ini"),
                "[Palvex\\oscuro\\FORM]\r\nbackcolor = 3\r\n[Palvex\\oscuro\\BUTTON]\r\nbackColorFocused=4\r\n");
  EXPECT_EQ(ok({"import", box.path("part.ini").string()}),
            "Imported 2 values from " + box.path("part.ini").string() +
                " into theme \"Oscuro\" (catalogue entry 0).\n");
  const auto json = ok({"show", "Oscuro", "--json"});
  EXPECT_NE(json.find(R"({"name": "BackColor", "key": "BackColor", "value": 3, "source": "store"})"), std::string::npos);
  EXPECT_NE(json.find(R"({"name": "backColorFocused", "key": "backColorFocused", "value": 4, "source": "store"})"),
            std::string::npos);
  EXPECT_NE(json.find(R"({"name": "borderColor", "key": "BorderColor", "value": 2, "source": "store"})"),
            std::string::npos);
  // The tab strip shares BUTTON but is not in the file: its keys stay unwritten.
  EXPECT_NE(json.find(R"({"name": "TabBackColor", "key": "TabBackColor", "value": 16777215, "source": "default"})"),
            std::string::npos);
  EXPECT_EQ(ok({"list"}), "0  Oscuro\n");
}

TEST_F(Exchange, ImportReadsAnEightBitFile) {
  box.writeFile(box.path("cafe.ini"), "[Palvex\\Caf\xe9\\LABEL]\nforeColor=9\n");  // Windows-1252
  ok({"import", box.path("cafe.ini").string()});
  EXPECT_EQ(ok({"list"}), "0  Caf\xc3\xa9\n");
}

TEST_F(Exchange, RefusedImportsReportTheLineAndWriteNothing) {
  ok({"set", "Oscuro", "CForm", "BackColor", "1", "--create"});
  const std::pair<std::string, std::string> cases[] = {
      {"[Palvex\\Nuevo\\FORM]\nBackColor=1\nMenuColor=abc\n", "bad.ini:3: value \"abc\" of key \"MenuColor\""},
      {"[Palvex\\Nuevo\\FORM]\nBackColour=1\n", "bad.ini:2: unknown key \"BackColour\" in section FORM (valid keys: BackColor, MenuColor)"},
      {"[Palvex\\Nuevo\\FORM]\nBackColor=1\n[Palvex\\Otro\\LABEL]\nforeColor=1\n", "bad.ini:3: section for a second theme \"Otro\""},
      {"[Palvex\\ Nuevo\\FORM]\nBackColor=1\n", "starts or ends with a blank"},
  };
  for (const auto& [text, fragment] : cases) {
    box.writeFile(box.path("bad.ini"), text);
    refused({"import", box.path("bad.ini").string()}, fragment);
  }
  EXPECT_EQ(ok({"list"}), "0  Oscuro\n");
}

TEST_F(Exchange, SeveralThemesImportAsOneWithAs) {
  box.writeFile(box.path("two.ini"), "[Palvex\\A\\FORM]\nBackColor=1\n[Palvex\\B\\LABEL]\nforeColor=2\n");
  ok({"import", box.path("two.ini").string(), "--as", "Junto"});
  const auto json = ok({"show", "Junto", "--json"});
  EXPECT_EQ(occurrences(json, "\"source\": \"store\""), 3u);  // the form's two keys, the label's one
}

TEST_F(Exchange, RefusedImportOfANewStoreLeavesNoStoreFile) {
  box.writeFile(box.path("bad.ini"), "[Palvex\\Nuevo\\FORM]\nBackColor=x\n");
  refused({"import", box.path("bad.ini").string()}, "bad.ini:2:");
  refused({"import", box.path("missing.ini").string()}, "cannot read " + box.path("missing.ini").string() +
                                                            ": No such file or directory");
  refused({"import", box.path("").string()}, "cannot read");  // a directory
}

}  // namespace
}  // namespace palvex::testing
