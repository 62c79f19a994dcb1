#pragma once
// Runs the built palvex program as a user would: one process per command, with
// its store, XDG_CONFIG_HOME and override file in a temporary directory, so
// that nothing reaches the real user's settings.

#include <sys/types.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_env.h"

namespace palvex::testing {

using Args = std::vector<std::string>;

struct RunResult {
  int status;  // -1 when the program did not exit normally
  std::string out, err;
};

class CliTest : public ::testing::Test {
 protected:
  struct Child {
    pid_t pid;
    int terminal;  // the pseudo-terminal's master side, or -1
    int slave;     // our own hold on its other side, or -1
  };

  CliTest();
  // Starts the program with --store <store> (left out when `store` is empty)
  // and `args`. On a `terminal`, stdout is a pseudo-terminal and lines end in "\r\n".
  Child start(const Args& args, bool terminal = false);
  RunResult finish(Child child);
  RunResult run(const Args& args, bool terminal = false) { return finish(start(args, terminal)); }

  // Expects success with nothing on stderr; returns stdout.
  std::string ok(const Args& args);
  // Expects status 1, nothing on stdout, one line on stderr holding
  // `fragment`, and the store file as it was, byte for byte (or still absent).
  void refused(const Args& args, const std::string& fragment);

  std::string at(const std::string& name) const { return (dir / name).string(); }
  static void write(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
  }
  static std::string read(const std::filesystem::path& file) {
    std::ostringstream bytes;
    bytes << std::ifstream(file, std::ios::binary).rdbuf();
    return bytes.str();
  }

  TempDir dir;
  std::filesystem::path store = dir / "store.sqlite";
  std::filesystem::path ini = dir / "Orvane.ini";
  std::map<std::string, std::string> env = {{"HOME", at("home")}, {"XDG_CONFIG_HOME", at("config")},
                                            {"XDG_CONFIG_DIRS", at("xdg")}, {"PALVEX_INI", ini.string()}};
};

inline std::size_t occurrences(const std::string& haystack, const std::string& needle) {
  std::size_t count = 0;
  for (auto at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + needle.size())) ++count;
  return count;
}

}  // namespace palvex::testing
