// Bad input: status 1, one line on stderr, the store byte for byte unchanged.

#include <gtest/gtest.h>

#include "cli_sandbox.h"
#include "support/small_disk.h"

namespace palvex::testing {
namespace {

class CliRefusal : public CliTest {
 protected:
  void SetUp() override {
    ok({"set", "Oscuro", "CForm", "BackColor", "1", "--create"});
    write(at("bad-value.ini"), "[Palvex\\Nuevo\\FORM]\nBackColor=1\nMenuColor=abc\n");
    write(at("t.ini"), "[Palvex\\Nuevo\\FORM]\nBackColor=1\n");
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
    {{"set unknown theme"}, {"set", "Claro", "CForm", "BackColor", "1"},
     "no theme \"Claro\" in the catalogue (themes: Oscuro); add --create"},
    {{"set unknown element"}, {"set", "Oscuro", "CButton", "BackColor", "1"},
     "unknown element \"CButton\" (elements: CCommandButton, CGrid, CText, CTabStrip, CCheckBox, CLabel, CToolBar, "
     "CStatusBar, CForm, CShape)"},
    {{"set unknown property"}, {"set", "Oscuro", "CForm", "ForeColor", "1"},
     "CForm has no property \"ForeColor\" (properties: BackColor, MenuColor)"},
    {{"set past 16 bits"}, {"set", "Oscuro", "CGrid", "borderStyle", "32768"}, "does not fit the 16-bit property borderStyle"},
    {{"set without value"}, {"set", "Oscuro", "CForm", "BackColor"}, "VALUE is required"},
    {{"set an empty value"}, {"set", "Oscuro", "CForm", "BackColor", " \t"}, "empty value: use a decimal number"},
    {{"set a value past 32 bits"}, {"set", "Oscuro", "CForm", "BackColor", "2147483648"}, "does not fit 32 bits"},
    {{"set a value under 32 bits"}, {"set", "Oscuro", "CForm", "BackColor", "-2147483649"}, "does not fit 32 bits"},
    {{"set a hex pattern past 32 bits"}, {"set", "Oscuro", "CForm", "BackColor", "0x100000000"}, "at most 0xFFFFFFFF"},
    {{"set a bad hex pattern"}, {"set", "Oscuro", "CForm", "BackColor", "0xG1"}, "not a number"},
    {{"set a short web colour"}, {"set", "Oscuro", "CForm", "BackColor", "#FFF"}, "exactly six hex digits"},
    {{"rename to a name with a blank"}, {"rename", "Oscuro", "Negro "}, "starts or ends with a blank"},
    {{"export into the store"}, {"export", "Oscuro", "@store.sqlite"}, "it is the settings store"},
    {{"unknown command"}, {"bogus"},
     "unknown command \"bogus\" (commands: list, show, set, remove, rename, export, import, check, render)"},
    {{"no command"}, {}, "A subcommand is required"},
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
  refused({"import", at("bad-value.ini")}, "bad-value.ini:3: value \"abc\" of key \"MenuColor\"");
  refused({"set", "Nuevo", "CForm", "BackColor", "azul", "--create"}, "value \"azul\": not a number");
  store.clear();
  refused({"--store", "", "list"}, "--store needs a file name");
}

TEST_F(CliRefusal, DamagedStoreFileIsNamedAndLeftAsItIs) {
  write(store, std::string(4096, '#'));
  for (const Args& args : {Args{"list"}, Args{"set", "Oscuro", "CForm", "BackColor", "1", "--create"},
                           Args{"import", at("t.ini")}})
    refused(args, store.string());
}

// On a full disk the store is still read as it stands; a change is refused,
// naming the folder that needs room.
TEST_F(CliRefusal, AFullDiskIsNamedWithTheFolderThatNeedsRoom) {
  const auto mounted = dir / "small";
  const auto report = dir / "report";
  const int status = inSmallFileSystem(mounted, [&] {
    store = mounted / "store.sqlite";
    if (run({"set", "Oscuro", "CForm", "BackColor", "1", "--create"}).status != 0) return 2;
    fillTheDisk(mounted / "filler");
    if (run({"list"}).status != 0) return 3;
    if (run({"show", "Oscuro"}).status != 0) return 4;
    const auto set = run({"set", "Oscuro", "CForm", "BackColor", "2"});
    write(report, std::to_string(set.status) + "\t" + set.err);
    return 0;
  });
  if (status == kNoSmallFileSystem) GTEST_SKIP() << "cannot mount a small file system here";
  ASSERT_EQ(status, 0) << "2: no store was made, 3: list failed, 4: show failed";
  const std::string result = read(report);
  EXPECT_TRUE(result.starts_with("1\tpalvex: ")) << result;
  EXPECT_NE(result.find("the disk is full: the settings store needs free space in " + mounted.string()),
            std::string::npos) << result;
}

}  // namespace
}  // namespace palvex::testing
