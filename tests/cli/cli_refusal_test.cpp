// Bad input: one line on stderr, status 1, the store untouched.

#include <gtest/gtest.h>

#include "cli_sandbox.h"

namespace palvex::testing {
namespace {

class Refusal : public CliTest {
 protected:
  void SetUp() override { ok({"set", "Oscuro", "CForm", "BackColor", "1", "--create"}); }
};

TEST_F(Refusal, UnknownNamesAreListedWithTheValidOnes) {
  refused({"show", "Claro"}, "no theme \"Claro\" in the catalogue (themes: Oscuro)");
  refused({"export", "Claro"}, "no theme \"Claro\"");
  refused({"show", " Oscuro"}, "no theme \" Oscuro\"");
  refused({"set", "Claro", "CForm", "BackColor", "1"}, "no theme \"Claro\" in the catalogue (themes: Oscuro); add --create");
  refused({"set", "Oscuro", "CButton", "BackColor", "1"},
          "unknown element \"CButton\" (elements: CCommandButton, CGrid, CText, CTabStrip, CCheckBox, CLabel, "
          "CToolBar, CStatusBar, CForm, CShape)");
  refused({"set", "Oscuro", "CForm", "ForeColor", "1"}, "CForm has no property \"ForeColor\" (properties: BackColor, MenuColor)");
  refused({"bogus"}, "unknown command \"bogus\" (commands: list, show, set, export, import)");
}

TEST_F(Refusal, MalformedValuesAndArguments) {
  refused({"set", "Oscuro", "CForm", "BackColor", "azul"}, "value \"azul\": not a number");
  refused({"set", "Oscuro", "CForm", "BackColor", "2147483648"}, "value \"2147483648\": does not fit 32 bits");
  refused({"set", "Oscuro", "CForm", "BackColor", "#12345"}, "six hex digits");
  refused({"set", "Oscuro", "CGrid", "borderStyle", "32768"}, "does not fit the 16-bit property borderStyle");
  refused({"set", "Oscuro", "CForm", "BackColor"}, "VALUE is required");
  refused({"set", "Nuevo", "CForm", "BackColor", "1", "--create", "--bogus"}, "--bogus");
  refused({"set", "Nuevo ", "CForm", "BackColor", "1", "--create"}, "starts or ends with a blank");
  refused({}, "A subcommand is required");
}

TEST_F(Refusal, EmptyStorePath) {
  auto result = box.run({"--store", "", "list"}, false);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "palvex: --store needs a file name\n");
}

TEST_F(Refusal, UnwritableExportFile) {
  refused({"export", "Oscuro", box.path("no/such/dir.ini").string()}, "cannot write " + box.path("no/such/dir.ini").string());
  EXPECT_FALSE(std::filesystem::exists(box.path("no")));
}

TEST_F(Refusal, AnElementThatCannotLoadStopsAnExportAndASetOfIt) {
  box.writeFile(box.ini(), "[Palvex\\Oscuro\\GRID]\nborderStyle=40000\n");
  refused({"export", "Oscuro"}, "CGrid of theme \"Oscuro\" cannot be loaded: ");
  refused({"set", "Oscuro", "CGrid", "gridColor", "1"}, "(error 6)");
  ok({"set", "Oscuro", "CForm", "BackColor", "2"});  // the other elements still save
}

TEST_F(Refusal, DamagedStoreFileIsNamedAndLeftAsItIs) {
  std::string garbage;
  for (int i = 0; i < 200; ++i) garbage += "not a settings store ";
  box.writeFile(box.store(), garbage);
  box.writeFile(box.path("t.ini"), "[Palvex\\Nuevo\\FORM]\nBackColor=1\n");
  const std::string path = box.store().string();
  refused({"list"}, path);
  refused({"show"}, path);
  refused({"export", "Oscuro"}, path);
  refused({"set", "Oscuro", "CForm", "BackColor", "1", "--create"}, path);
  refused({"import", box.path("t.ini").string()}, path);
}

TEST_F(Refusal, HelpOnEveryCommandSucceeds) {
  for (const char* command : {"list", "show", "set", "export", "import"}) {
    auto result = box.run({command, "--help"});
    EXPECT_EQ(result.status, 0) << command;
    EXPECT_NE(result.out.find(std::string("Usage: palvex ") + command), std::string::npos) << result.out;
    EXPECT_EQ(result.err, "");
  }
  auto top = box.run({"--help"}, false);
  EXPECT_EQ(top.status, 0);
  EXPECT_NE(top.out.find("--store"), std::string::npos);
}

}  // namespace
}  // namespace palvex::testing
