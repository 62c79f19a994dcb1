#include "cli_sandbox.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
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
  std::vector<char*> argp, envp;
  for (auto& arg : argv) argp.push_back(arg.data());
  for (auto& var : vars) envp.push_back(var.data());
  argp.push_back(nullptr);
  envp.push_back(nullptr);

  const auto number = std::to_string(++runs_);
  const int master = terminal ? ::posix_openpt(O_RDWR | O_NOCTTY) : -1;
  if (terminal && (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0))
    throw std::runtime_error("no pseudo-terminal available");
  const std::string out = terminal ? ::ptsname(master) : at("out." + number), err = at("err." + number);
  const pid_t pid = ::fork();
  if (pid == 0) {  // the child; the parent is single-threaded, so this much is safe before exec
    ::dup2(::open("/dev/null", O_RDONLY), 0);
    ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOCTTY, 0600), 1);
    ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
    if (master >= 0) ::close(master);
    ::execve(argp[0], argp.data(), envp.data());
    ::_exit(127);
  }
  if (pid < 0) throw std::runtime_error("cannot start " + argv[0]);
  children_[pid] = {number, master};
  return pid;
}

RunResult CliTest::finish(pid_t pid) {
  const auto [number, master] = children_.at(pid);
  children_.erase(pid);
  std::string terminalOut;
  // A terminal is read until the child's side closes and read() fails with EIO.
  char buffer[4096];
  for (ssize_t n = 0; master >= 0 && ((n = ::read(master, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR));)
    if (n > 0) terminalOut.append(buffer, static_cast<std::size_t>(n));
  if (master >= 0) ::close(master);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, master >= 0 ? terminalOut : read(at("out." + number)),
          read(at("err." + number))};
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

}  // namespace palvex::testing
