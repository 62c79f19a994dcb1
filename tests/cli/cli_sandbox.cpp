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

namespace palvex::testing {

CliTest::CliTest() {
  // What the dynamic loader or a sanitizer may need; the rest points into `dir`.
  for (const char* name : {"PATH", "LD_LIBRARY_PATH", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"})
    if (const char* value = std::getenv(name)) env[name] = value;
  env["HOME"] = at("home");
  env["XDG_CONFIG_HOME"] = at("config");
  env["XDG_CONFIG_DIRS"] = at("xdg");
  env["PALVEX_INI"] = ini.string();
}

pid_t CliTest::start(const Args& args, bool terminal) {
  Args argv{PALVEX_CLI_PATH}, vars;
  if (!store.empty()) argv.insert(argv.end(), {"--store", store.string()});
  argv.insert(argv.end(), args.begin(), args.end());
  for (const auto& [name, value] : env) vars.push_back(name + "=" + value);
  auto pointers = [](Args& strings) {
    std::vector<char*> out;
    for (auto& s : strings) out.push_back(s.data());
    out.push_back(nullptr);
    return out;
  };

  const int number = ++runs_;
  int master = -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  if (terminal) {
    master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
      throw std::runtime_error("no pseudo-terminal available");
    posix_spawn_file_actions_addclose(&actions, master);
    posix_spawn_file_actions_addopen(&actions, 1, ::ptsname(master), O_WRONLY | O_NOCTTY, 0);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, at("out." + std::to_string(number)).c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
  }
  posix_spawn_file_actions_addopen(&actions, 2, at("err." + std::to_string(number)).c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  auto argp = pointers(argv), envp = pointers(vars);
  pid_t pid = 0;
  const int rc = ::posix_spawn(&pid, argp[0], &actions, nullptr, argp.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) throw std::runtime_error("cannot start " + argv[0]);
  children_[pid] = {number, master};
  return pid;
}

RunResult CliTest::finish(pid_t pid) {
  const auto [number, master] = children_.at(pid);
  children_.erase(pid);
  RunResult result;
  // A terminal is read until the child's side closes and read() fails with EIO.
  char buffer[4096];
  for (ssize_t n = 0; master >= 0 && ((n = ::read(master, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR));)
    if (n > 0) result.out.append(buffer, static_cast<std::size_t>(n));
  if (master >= 0) ::close(master);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (master < 0) result.out = read(at("out." + std::to_string(number)));
  result.err = read(at("err." + std::to_string(number)));
  return result;
}

std::string CliTest::ok(const Args& args) {
  const auto result = run(args);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  return result.out;
}

void CliTest::refused(const Args& args, const std::string& fragment) {
  const bool existed = std::filesystem::exists(store);
  const std::string before = read(store);
  const auto result = run(args);
  std::string command;
  for (const auto& arg : args) command += arg + " ";
  SCOPED_TRACE(command);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_TRUE(result.err.starts_with("palvex: ") && result.err.find('\n') == result.err.size() - 1) << result.err;
  EXPECT_NE(result.err.find(fragment), std::string::npos) << result.err;
  EXPECT_EQ(std::filesystem::exists(store), existed);
  EXPECT_TRUE(read(store) == before) << "the store file changed";
}

void CliTest::write(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::string CliTest::read(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace palvex::testing
