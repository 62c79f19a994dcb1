// Bad input: status 1, one line on stderr, the store byte for byte unchanged.

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include <gtest/gtest.h>

#include "cli_sandbox.h"

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
  const pid_t pid = ::fork();
  if (pid == 0) {
    // A small empty file system, seen by this process and its children only:
    // mounted directly as root, else in a user namespace; 77 when neither is allowed.
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWNS | (::geteuid() == 0 ? 0 : CLONE_NEWUSER)) != 0) ::_exit(77);
    if (::geteuid() != 0 && uid != 0) {
      std::ofstream("/proc/self/setgroups") << "deny";
      std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
      std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
    }
    std::filesystem::create_directories(mounted);
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("palvex-test", mounted.c_str(), "tmpfs", 0, "size=256k") != 0)
      ::_exit(77);
    store = mounted / "store.sqlite";
    if (run({"set", "Oscuro", "CForm", "BackColor", "1", "--create"}).status != 0) ::_exit(2);
    std::ofstream filler(mounted / "filler", std::ios::binary);
    const std::string block(4096, 'x');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {
    }
    if (run({"list"}).status != 0) ::_exit(3);
    if (run({"show", "Oscuro"}).status != 0) ::_exit(4);
    const auto set = run({"set", "Oscuro", "CForm", "BackColor", "2"});
    write(report, std::to_string(set.status) + "\t" + set.err);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "cannot mount a small file system here";
  ASSERT_EQ(WEXITSTATUS(status), 0) << "2: no store was made, 3: list failed, 4: show failed";
  const std::string result = read(report);
  EXPECT_TRUE(result.starts_with("1\tpalvex: ")) << result;
  EXPECT_NE(result.find("the disk is full: the settings store needs free space in " + mounted.string()),
            std::string::npos) << result;
}

}  // namespace
}  // namespace palvex::testing
