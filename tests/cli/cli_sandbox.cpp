#include "cli_sandbox.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace palvex::testing {
namespace {

// Names a sanitizer or the dynamic loader may need in the child.
constexpr const char* kInherited[] = {"PATH", "LD_LIBRARY_PATH", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"};

std::vector<char*> pointers(std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (auto& s : strings) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

int exitStatus(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

pid_t spawn(std::vector<std::string> argv, std::vector<std::string> env, posix_spawn_file_actions_t& actions) {
  auto args = pointers(argv);
  auto vars = pointers(env);
  pid_t pid = 0;
  const int rc = ::posix_spawn(&pid, args[0], &actions, nullptr, args.data(), vars.data());
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) throw std::runtime_error("cannot start " + argv[0]);
  return pid;
}

}  // namespace

CliSandbox::CliSandbox() {
  std::filesystem::create_directories(configHome());
  std::filesystem::create_directories(dir_ / "xdg");
  std::filesystem::create_directories(dir_ / "home");
}

std::vector<std::string> CliSandbox::environment() const {
  std::map<std::string, std::string> vars;
  for (const char* name : kInherited)
    if (const char* value = std::getenv(name)) vars[name] = value;
  vars["HOME"] = (dir_.path() / "home").string();
  vars["XDG_CONFIG_HOME"] = configHome().string();
  vars["XDG_CONFIG_DIRS"] = (dir_.path() / "xdg").string();
  vars["PALVEX_INI"] = ini().string();
  for (const auto& [name, value] : env_) {
    if (value.empty())
      vars.erase(name);
    else
      vars[name] = value;
  }
  std::vector<std::string> out;
  for (const auto& [name, value] : vars) out.push_back(name + "=" + value);
  return out;
}

std::vector<std::string> CliSandbox::commandLine(const std::vector<std::string>& args, bool withStore) const {
  std::vector<std::string> argv{PALVEX_CLI_PATH};
  if (withStore) {
    argv.push_back("--store");
    argv.push_back(store().string());
  }
  argv.insert(argv.end(), args.begin(), args.end());
  return argv;
}

pid_t CliSandbox::start(const std::vector<std::string>& args, bool withStore) {
  const int number = ++runs_;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  const auto out = path("out." + std::to_string(number)).string();
  const auto err = path("err." + std::to_string(number)).string();
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const pid_t pid = spawn(commandLine(args, withStore), environment(), actions);
  pending_[pid] = number;
  return pid;
}

RunResult CliSandbox::finish(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  const int number = pending_.at(pid);
  pending_.erase(pid);
  return {exitStatus(status), readFile(path("out." + std::to_string(number))),
          readFile(path("err." + std::to_string(number)))};
}

RunResult CliSandbox::run(const std::vector<std::string>& args, bool withStore) {
  return finish(start(args, withStore));
}

RunResult CliSandbox::runOnTerminal(const std::vector<std::string>& args) {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
    throw std::runtime_error("no pseudo-terminal available");
  const std::string terminal = ::ptsname(master);

  const int number = ++runs_;
  const auto err = path("err." + std::to_string(number)).string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, master);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, terminal.c_str(), O_WRONLY | O_NOCTTY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const pid_t pid = spawn(commandLine(args, true), environment(), actions);

  // Read until the child's side closes: read() then fails with EIO.
  std::string out;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(master, buffer, sizeof buffer);
    if (n > 0) {
      out.append(buffer, static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    break;
  }
  ::close(master);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return {exitStatus(status), out, readFile(err)};
}

void CliSandbox::writeFile(const std::filesystem::path& path, const std::string& bytes) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string CliSandbox::readFile(const std::filesystem::path& path) const {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::size_t occurrences(const std::string& haystack, const std::string& needle) {
  std::size_t count = 0;
  for (auto at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + needle.size()))
    ++count;
  return count;
}

}  // namespace palvex::testing

namespace palvex::testing {

std::string CliTest::ok(const std::vector<std::string>& args) {
  auto result = box.run(args);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  return result.out;
}

void CliTest::refused(const std::vector<std::string>& args, const std::string& fragment) {
  const bool existed = std::filesystem::exists(box.store());
  const std::string before = existed ? box.readFile(box.store()) : "";

  auto result = box.run(args);
  std::string command;
  for (const auto& arg : args) command += arg + " ";
  EXPECT_EQ(result.status, 1) << command;
  EXPECT_EQ(result.out, "") << command;
  EXPECT_TRUE(result.err.starts_with("palvex: ")) << command << result.err;
  EXPECT_EQ(occurrences(result.err, "\n"), 1u) << command << result.err;
  EXPECT_NE(result.err.find(fragment), std::string::npos) << command << "\n  stderr: " << result.err;
  ASSERT_EQ(std::filesystem::exists(box.store()), existed) << command;
  if (existed) {
    EXPECT_TRUE(box.readFile(box.store()) == before) << command << ": the store file changed";
  }
}

}  // namespace palvex::testing
