#include "cli_sandbox.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

namespace palvex::testing {

CliTest::CliTest() {
  // What the dynamic loader or a sanitizer may need.
  for (const char* name : {"PATH", "LD_LIBRARY_PATH", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"})
    if (const char* value = std::getenv(name)) env[name] = value;
}

CliTest::Child CliTest::start(const Args& args, bool terminal) {
  Args argv{PALVEX_CLI_PATH};
  if (!store.empty()) argv.insert(argv.end(), {"--store", store.string()});
  argv.insert(argv.end(), args.begin(), args.end());
  const int master = terminal ? ::posix_openpt(O_RDWR | O_NOCTTY) : -1;
  if (terminal && (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0))
    throw std::runtime_error("no pseudo-terminal available");
  const std::string tty = terminal ? ::ptsname(master) : "";
  // Holding the other side open ourselves keeps read() from failing with EIO
  // when the child closes it: the kernel may report that hang-up before it
  // has handed over the child's last output, which would then be lost.
  const int slave = terminal ? ::open(tty.c_str(), O_RDWR | O_NOCTTY) : -1;
  if (terminal && slave < 0) throw std::runtime_error("cannot open " + tty);

  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("cannot start " + argv[0]);
  if (pid > 0) return {pid, master, slave};
  // The child. The test is single-threaded, so allocating before exec is safe.
  const auto number = std::to_string(::getpid());
  ::dup2(::open("/dev/null", O_RDONLY), 0);
  ::dup2(terminal ? slave : ::open(at("out." + number).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
  ::dup2(::open(at("err." + number).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
  if (terminal) {
    ::close(master);
    ::close(slave);
  }
  ::clearenv();
  for (const auto& [name, value] : env) ::setenv(name.c_str(), value.c_str(), 1);
  std::vector<char*> argp;
  for (auto& arg : argv) argp.push_back(arg.data());
  argp.push_back(nullptr);
  ::execv(argp[0], argp.data());
  ::_exit(127);
}

namespace {

// Everything a child wrote to the terminal whose master side is `master`,
// while it runs and after it exits. Once it has exited, a marker written
// through our own `slave` end comes out after all of the child's output, so
// reading up to the marker drains it without guessing how long to wait.
std::string readTerminal(int master, int slave, pid_t pid, int& status) {
  std::string shown;
  char buffer[4096];
  const auto readSome = [&] {
    const ssize_t n = ::read(master, buffer, sizeof buffer);
    if (n > 0) shown.append(buffer, static_cast<std::size_t>(n));
  };
  for (;;) {
    pollfd ready{master, POLLIN, 0};
    if (::poll(&ready, 1, 20) > 0 && (ready.revents & POLLIN)) readSome();
    else if (::waitpid(pid, &status, WNOHANG) == pid) break;
  }
  static constexpr std::string_view marker = "\x01end of output\x01";
  if (::write(slave, marker.data(), marker.size()) != static_cast<ssize_t>(marker.size()))
    throw std::runtime_error("cannot write to the test's terminal");
  while (!shown.ends_with(marker)) readSome();
  shown.resize(shown.size() - marker.size());
  return shown;
}

}  // namespace

RunResult CliTest::finish(Child child) {
  int status = 0;
  std::string shown;
  if (child.terminal >= 0) {
    shown = readTerminal(child.terminal, child.slave, child.pid, status);
    ::close(child.slave);
    ::close(child.terminal);
  } else {
    while (::waitpid(child.pid, &status, 0) < 0 && errno == EINTR) {
    }
  }
  const auto number = std::to_string(child.pid);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, child.terminal >= 0 ? shown : read(at("out." + number)),
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
  SCOPED_TRACE(::testing::PrintToString(args));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_TRUE(result.err.starts_with("palvex: ") && result.err.find('\n') == result.err.size() - 1) << result.err;
  EXPECT_NE(result.err.find(fragment), std::string::npos) << result.err;
  EXPECT_EQ(std::filesystem::exists(store), existed);
  EXPECT_TRUE(read(store) == before) << "the store file changed";
}

}  // namespace palvex::testing
