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

// A refused command: its arguments ("@name" is a file in the test's directory)
// and what its one line on stderr holds.
struct RefusalRow : NamedRow {
  Args args;
  std::string fragment;
};

class RefusedCommand : public CliRefusal, public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(RefusedCommand, SaysWhyAndWritesNothing) {
  Args args = GetParam().args;
  for (auto& arg : args)
    if (arg.starts_with('@')) arg = at(arg.substr(1));
  refused(args, GetParam().fragment);
}

const RefusalRow kRefusals[] = {
    {{"show unknown theme"}, {"show", "Claro"}, "no theme \"Claro\" in the catalogue (themes: Oscuro)"},
    {{"show trims nothing"}, {"show", " Oscuro"}, "no theme \" Oscuro\""},
    {{"export unknown theme"}, {"export", "Claro"}, "no theme \"Claro\""},
    {{"set unknown theme"}, {"set", "Claro", "CForm", "BackColor", "1"},
     "no theme \"Claro\" in the catalogue (themes: Oscuro); add --create"},
    {{"set unknown element"}, {"set", "Oscuro", "CButton", "BackColor", "1"},
     "unknown element \"CButton\" (elements: CCommandButton, CGrid, CText, CTabStrip, CCheckBox, CLabel, CToolBar, "
     "CStatusBar, CForm, CShape)"},
    {{"set unknown property"}, {"set", "Oscuro", "CForm", "ForeColor", "1"},
     "CForm has no property \"ForeColor\" (properties: BackColor, MenuColor)"},
    {{"set bad value"}, {"set", "Oscuro", "CForm", "BackColor", "azul"}, "value \"azul\": not a number"},
    {{"set past 16 bits"}, {"set", "Oscuro", "CGrid", "borderStyle", "32768"}, "does not fit the 16-bit property borderStyle"},
    {{"set without value"}, {"set", "Oscuro", "CForm", "BackColor"}, "VALUE is required"},
    {{"unknown option"}, {"set", "Nuevo", "CForm", "BackColor", "1", "--create", "--bogus"}, "--bogus"},
    {{"new name with a blank"}, {"set", "Nuevo ", "CForm", "BackColor", "1", "--create"}, "starts or ends with a blank"},
    {{"new name a file cannot carry"}, {"set", "Sala ]1", "CForm", "BackColor", "1", "--create"},
     "cannot be written in a theme file"},
    {{"unknown command"}, {"bogus"}, "unknown command \"bogus\" (commands: list, show, set, export, import, check, render)"},
    {{"no command"}, {}, "A subcommand is required"},
    {{"import bad value"}, {"import", "@bad-value.ini"}, "bad-value.ini:3: value \"abc\" of key \"MenuColor\""},
    {{"import missing file"}, {"import", "@missing.ini"}, "missing.ini: No such file or directory"},
    {{"import a directory"}, {"import", "@"}, "cannot read"},
    {{"export into a missing directory"}, {"export", "Oscuro", "@no/dir.ini"}, "cannot write"},
};
INSTANTIATE_TEST_SUITE_P(Cli, RefusedCommand, ::testing::ValuesIn(kRefusals), RowName());

TEST_F(CliRefusal, AnElementThatCannotLoadStopsItsExportAndSetAndNothingElse) {
  write(ini, "[Palvex\\Oscuro\\GRID]\nborderStyle=40000\n");
  refused({"export", "Oscuro"}, "CGrid of theme \"Oscuro\" cannot be loaded: ");
  refused({"set", "Oscuro", "CGrid", "gridColor", "1"}, "(error 6)");
  ok({"set", "Oscuro", "CForm", "BackColor", "2"});
}

TEST_F(CliRefusal, BadInputIsRefusedBeforeAStoreIsCreated) {
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
