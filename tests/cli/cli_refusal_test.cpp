// Bad input: status 1, one line on stderr, the store byte for byte unchanged.

#include <gtest/gtest.h>

#include "cli_sandbox.h"

namespace palvex::testing {
namespace {

class CliRefusal : public CliTest {
 protected:
  void SetUp() override {
    ok({"set", "Oscuro", "CForm", "BackColor", "1", "--create"});
    write(at("bad-value.ini"), "[Palvex\\Nuevo\\FORM]\nBackColor=1\nMenuColor=abc\n");
  }
};

TEST_F(CliRefusal, RefusedCommandsSayWhyAndWriteNothing) {
  write(at("bad-key.ini"), "[Palvex\\Nuevo\\FORM]\nBackColour=1\n");
  write(at("two.ini"), "[Palvex\\Nuevo\\FORM]\nBackColor=1\n[Palvex\\Otro\\LABEL]\nforeColor=1\n");
  write(at("blank.ini"), "[Palvex\\ Nuevo\\FORM]\nBackColor=1\n");
  const std::pair<Args, std::string> cases[] = {
      {{"show", "Claro"}, "no theme \"Claro\" in the catalogue (themes: Oscuro)"},
      {{"show", " Oscuro"}, "no theme \" Oscuro\""},
      {{"export", "Claro"}, "no theme \"Claro\""},
      {{"set", "Claro", "CForm", "BackColor", "1"}, "no theme \"Claro\" in the catalogue (themes: Oscuro); add --create"},
      {{"set", "Oscuro", "CButton", "BackColor", "1"},
       "unknown element \"CButton\" (elements: CCommandButton, CGrid, CText, CTabStrip, CCheckBox, CLabel, CToolBar, "
       "CStatusBar, CForm, CShape)"},
      {{"set", "Oscuro", "CForm", "ForeColor", "1"}, "CForm has no property \"ForeColor\" (properties: BackColor, MenuColor)"},
      {{"set", "Oscuro", "CForm", "BackColor", "azul"}, "value \"azul\": not a number"},
      {{"set", "Oscuro", "CGrid", "borderStyle", "32768"}, "does not fit the 16-bit property borderStyle"},
      {{"set", "Oscuro", "CForm", "BackColor"}, "VALUE is required"},
      {{"set", "Nuevo", "CForm", "BackColor", "1", "--create", "--bogus"}, "--bogus"},
      {{"set", "Nuevo ", "CForm", "BackColor", "1", "--create"}, "starts or ends with a blank"},
      {{"bogus"}, "unknown command \"bogus\" (commands: list, show, set, export, import, check, render)"},
      {{}, "A subcommand is required"},
      {{"import", at("bad-value.ini")}, "bad-value.ini:3: value \"abc\" of key \"MenuColor\""},
      {{"import", at("bad-key.ini")}, "bad-key.ini:2: unknown key \"BackColour\" in section FORM (valid keys: BackColor, MenuColor)"},
      {{"import", at("two.ini")}, "two.ini:3: section for a second theme \"Otro\""},
      {{"import", at("blank.ini")}, "starts or ends with a blank"},
      {{"import", at("missing.ini")}, "cannot read " + at("missing.ini") + ": No such file or directory"},
      {{"import", at("")}, "cannot read"},  // a directory
      {{"export", "Oscuro", at("no/dir.ini")}, "cannot write " + at("no/dir.ini")},
  };
  for (const auto& [args, fragment] : cases) refused(args, fragment);

  // An element that cannot load stops an export and a set of it; the others still save.
  write(ini, "[Palvex\\Oscuro\\GRID]\nborderStyle=40000\n");
  refused({"export", "Oscuro"}, "CGrid of theme \"Oscuro\" cannot be loaded: ");
  refused({"set", "Oscuro", "CGrid", "gridColor", "1"}, "(error 6)");
  ok({"set", "Oscuro", "CForm", "BackColor", "2"});

  // Refused before the store is opened, so none is created.
  store = dir / "new.sqlite";
  refused({"import", at("bad-value.ini")}, "bad-value.ini:3:");
  refused({"set", "Nuevo", "CForm", "BackColor", "azul", "--create"}, "not a number");
  store.clear();
  refused({"--store", "", "list"}, "--store needs a file name");
}

TEST_F(CliRefusal, DamagedStoreFileIsNamedAndLeftAsItIs) {
  write(store, std::string(4096, '#'));
  write(at("t.ini"), "[Palvex\\Nuevo\\FORM]\nBackColor=1\n");
  for (const Args& args : {Args{"list"}, Args{"show"}, Args{"export", "Oscuro"},
                           Args{"set", "Oscuro", "CForm", "BackColor", "1", "--create"}, Args{"import", at("t.ini")}})
    refused(args, store.string());
}

TEST_F(CliRefusal, HelpOnEveryCommand) {
  for (const char* command : {"list", "show", "set", "export", "import"})
    EXPECT_NE(ok({command, "--help"}).find(std::string("Usage: palvex ") + command), std::string::npos) << command;
  EXPECT_NE(ok({"--help"}).find("--store"), std::string::npos);
}

}  // namespace
}  // namespace palvex::testing
