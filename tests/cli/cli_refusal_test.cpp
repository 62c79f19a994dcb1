// Bad input: status 1, one line on stderr, the store byte for byte unchanged.

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

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
  write(at("t.ini"), "[Palvex\\Nuevo\\FORM]\nBackColor=1\n");
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
      {{"set", "Dos\nlineas", "CForm", "BackColor", "1", "--create"}, "theme name \"Dos\\nlineas\" holds a line break"},
      {{"set", "Dos\rlineas", "CForm", "BackColor", "1", "--create"}, "holds a carriage return"},
      {{"set", "Corchete]", "CForm", "BackColor", "1", "--create"}, "holds ']'"},
      {{"import", at("t.ini"), "--as", "Corchete]"}, "holds ']'"},
      {{"export", "Oscuro", store.string()}, "will not export into " + store.string() + ": it is the settings store"},
      {{"export", "Oscuro", store.string() + "-wal"}, "it is the settings store"},
      {{"bogus"}, "unknown command \"bogus\" (commands: list, show, set, remove, rename, export, import, check, render)"},
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

// Mounts a small empty file system at `folder`, seen by this process and its
// children only: directly as root, else in a user namespace. False when
// neither is allowed here.
bool mountPrivateTmpfs(const std::filesystem::path& folder) {
  const uid_t uid = ::getuid();
  const gid_t gid = ::getgid();
  if (::unshare(CLONE_NEWNS | (::geteuid() == 0 ? 0 : CLONE_NEWUSER)) != 0) return false;
  if (::geteuid() != 0 && uid != 0) {
    std::ofstream("/proc/self/setgroups") << "deny";
    std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
    std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
  }
  std::filesystem::create_directories(folder);
  return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
         ::mount("palvex-test", folder.c_str(), "tmpfs", 0, "size=256k") == 0;
}

// On a full disk a command works, or says that the disk is full and where.
TEST_F(CliRefusal, AFullDiskIsNamedWithTheFolderThatNeedsRoom) {
  const auto mounted = dir / "small";
  const auto report = dir / "report";
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (!mountPrivateTmpfs(mounted)) ::_exit(77);
    store = mounted / "store.sqlite";
    std::ofstream out(report);
    if (run({"set", "Oscuro", "CForm", "BackColor", "1", "--create"}).status != 0) ::_exit(2);
    std::ofstream filler(mounted / "filler", std::ios::binary);
    const std::string block(4096, 'x');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {
    }
    for (const Args& args : {Args{"list"}, Args{"show", "Oscuro"}, Args{"set", "Oscuro", "CForm", "BackColor", "2"}}) {
      const auto result = run(args);
      out << result.status << '\t' << (result.status == 0 ? "\n" : result.err);
    }
    out.close();  // _exit runs no destructors
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "cannot mount a small file system here";
  ASSERT_EQ(WEXITSTATUS(status), 0);
  std::istringstream lines(read(report));
  int results = 0;
  for (std::string line; std::getline(lines, line); ++results) {
    if (line == "0\t") continue;  // it worked
    EXPECT_TRUE(line.starts_with("1\tpalvex: ")) << line;
    EXPECT_NE(line.find("the disk is full: the settings store needs free space in " + mounted.string()),
              std::string::npos) << line;
  }
  EXPECT_EQ(results, 3);
}

TEST_F(CliRefusal, HelpOnEveryCommand) {
  for (const char* command : {"list", "show", "set", "remove", "rename", "export", "import"})
    EXPECT_NE(ok({command, "--help"}).find(std::string("Usage: palvex ") + command), std::string::npos) << command;
  EXPECT_NE(ok({"--help"}).find("--store"), std::string::npos);
}

}  // namespace
}  // namespace palvex::testing
