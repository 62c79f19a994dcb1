#pragma once
// Runs the built palvex program as a user would: one process per command,
// with its own store file, XDG_CONFIG_HOME, XDG_CONFIG_DIRS and PALVEX_INI in
// a temporary directory, so that nothing reaches the real user's settings.

#include <sys/types.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/test_env.h"

namespace palvex::testing {

struct RunResult {
  int status = -1;  // exit status; -1 when the program did not exit normally
  std::string out;
  std::string err;
};

class CliSandbox {
 public:
  CliSandbox();

  // The program with `args`, preceded by --store <store()> unless `withStore` is false.
  RunResult run(const std::vector<std::string>& args, bool withStore = true);
  // Same, with stdout on a pseudo-terminal (its output has "\r\n" line ends).
  RunResult runOnTerminal(const std::vector<std::string>& args);

  // Starts the program and returns at once; finish() waits for it.
  pid_t start(const std::vector<std::string>& args, bool withStore = true);
  RunResult finish(pid_t pid);

  // Extra environment for the following runs; an empty value unsets the name.
  void setEnv(const std::string& name, const std::string& value) { env_[name] = value; }

  std::filesystem::path store() const { return dir_ / "store.sqlite"; }
  std::filesystem::path ini() const { return dir_ / "Orvane.ini"; }
  std::filesystem::path configHome() const { return dir_ / "config"; }
  std::filesystem::path path(const std::string& name) const { return dir_ / name; }

  void writeFile(const std::filesystem::path& path, const std::string& bytes) const;
  std::string readFile(const std::filesystem::path& path) const;

 private:
  std::vector<std::string> environment() const;
  std::vector<std::string> commandLine(const std::vector<std::string>& args, bool withStore) const;

  TempDir dir_;
  std::map<std::string, std::string> env_;
  std::map<pid_t, int> pending_;  // pid -> run number, for its output files
  int runs_ = 0;
};

// The number of times `needle` occurs in `haystack`.
std::size_t occurrences(const std::string& haystack, const std::string& needle);

}  // namespace palvex::testing

namespace palvex::testing {

// A sandbox per test, with checks for the two outcomes of a command.
class CliTest : public ::testing::Test {
 protected:
  // Runs `args`, expecting success with nothing on stderr; returns stdout.
  std::string ok(const std::vector<std::string>& args);

  // Runs `args`, expecting a refusal: status 1, nothing on stdout, one line
  // on stderr that holds `fragment`, and the store file exactly as before
  // (still absent when it was absent).
  void refused(const std::vector<std::string>& args, const std::string& fragment);

  CliSandbox box;
};

}  // namespace palvex::testing
