// palvex render: PNGs of the demo window (or the designer) in a theme. The
// tool itself knows no toolkit: it checks what it can (the theme, the size),
// then runs palvex-demo from its own directory on the same store and reports
// the files the demo wrote.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <regex>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "catalogue.h"
#include "commands.h"
#include "palvex/tema.h"
#include "store_session.h"

extern char** environ;

namespace palvex::cli {
namespace {

namespace fs = std::filesystem;

// Installed, the demo sits next to the tool; in a build tree it has a
// directory of its own beside the tool's.
fs::path findDemo() {
  std::error_code ec;
  const auto self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) throw UserError("cannot tell where palvex runs from, to find palvex-demo: " + ec.message());
  const auto bin = self.parent_path();
  const fs::path candidates[] = {bin / "palvex-demo", bin.parent_path() / "palvex-demo" / "palvex-demo"};
  for (const auto& candidate : candidates)
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
  throw UserError("palvex-demo not found (looked for " + candidates[0].string() + " and " +
                  candidates[1].string() + "); build it with: cmake --build <build dir> --target palvex-demo");
}

void checkOptions(const RenderOptions& options) {
  if (options.all && !options.theme.empty()) throw UserError("give either a THEME or --all, not both");
  if (!options.all && options.theme.empty()) throw UserError("render needs a THEME, or --all for every theme");
  if (options.all && options.designer) throw UserError("--designer renders one theme; leave out --all");
  if (options.out.empty()) throw UserError("--out needs a file name");
  static const std::regex kSize("([0-9]{2,5})x([0-9]{2,5})");
  std::smatch size;
  if (!options.size.empty() && !std::regex_match(options.size, size, kSize))
    throw UserError("--size \"" + options.size + "\": write it as WIDTHxHEIGHT, for instance 900x600");
  if (!options.size.empty()) {
    const int width = std::stoi(size[1]), height = std::stoi(size[2]);
    if (width < 200 || height < 150 || width > 8000 || height > 8000)
      throw UserError("--size \"" + options.size + "\": between 200x150 and 8000x8000");
  }
}

// The catalogue's spelling of the theme (or the catalogue not being empty),
// checked before any program starts.
std::string themeToRender(const fs::path& store, const RenderOptions& options) {
  std::error_code ec;
  if (!fs::exists(store, ec))
    throw UserError("no settings store at " + store.string() +
                    " (import a theme first: palvex import examples/themes/Claro.ini)");
  useStore(store, StoreUse::Read);
  auto tema = Tema::create();
  if (!options.all) return themeToRead(options.theme);
  if (tema->listaPalvex().empty())
    throw UserError("the catalogue in " + store.string() + " is empty: there is no theme to render");
  return {};
}

std::vector<std::string> demoArguments(const fs::path& demo, const fs::path& store, const RenderOptions& options,
                                       const std::string& theme) {
  std::vector<std::string> args = {demo.string(), "--store", fs::absolute(store).string()};
  if (options.all) {
    args.insert(args.end(), {"--render-all", options.out.string()});
  } else {
    args.insert(args.end(), {"--theme", theme, "--render", options.out.string()});
    if (options.designer) args.emplace_back("--designer");
  }
  if (!options.size.empty()) args.insert(args.end(), {"--size", options.size});
  return args;
}

struct DemoRun {
  int status = -1;  // exit status, -1 when stopped by a signal
  std::string out;
  std::string err;
};

std::string readAll(int fd) {
  std::string text;
  char buffer[4096];
  for (;;) {
    const auto n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) {
      text.append(buffer, static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    return text;
  }
}

// Runs the demo with stdout on a pipe and stderr in a temporary file, so that
// however much Qt writes there the pipe never fills and blocks the demo.
DemoRun runDemo(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) throw std::system_error(errno, std::generic_category(), "pipe");
  char errName[] = "/tmp/palvex-render-XXXXXX";
  const int errFd = ::mkstemp(errName);
  if (errFd < 0) throw std::system_error(errno, std::generic_category(), "temporary file");
  ::unlink(errName);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, errFd, STDERR_FILENO);
  pid_t pid = 0;
  const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeFds[1]);
  if (spawned != 0) {
    ::close(pipeFds[0]);
    ::close(errFd);
    throw UserError("cannot run " + args[0] + ": " + std::strerror(spawned));
  }

  DemoRun run;
  run.out = readAll(pipeFds[0]);
  ::close(pipeFds[0]);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  ::lseek(errFd, 0, SEEK_SET);
  run.err = readAll(errFd);
  ::close(errFd);
  return run;
}

// The demo's own refusal ("palvex-demo: ..."), else the last thing it said.
std::string failureMessage(const DemoRun& run) {
  std::istringstream lines(run.err);
  std::string line, last, refusal;
  while (std::getline(lines, line)) {
    if (line.empty()) continue;
    last = line;
    if (line.starts_with("palvex-demo: ")) refusal = line.substr(13);
  }
  if (!refusal.empty()) return refusal;
  const std::string how = run.status < 0 ? "stopped by a signal" : "failed with status " + std::to_string(run.status);
  return "palvex-demo " + how + (last.empty() ? "" : ": " + last);
}

}  // namespace

void runRender(const fs::path& store, const RenderOptions& options, std::ostream& out) {
  checkOptions(options);
  const auto theme = themeToRender(store, options);
  const auto run = runDemo(demoArguments(findDemo(), store, options, theme));
  if (run.status != 0) throw UserError(failureMessage(run));

  // The demo names each file it wrote on a line of its own.
  std::istringstream lines(run.out);
  std::vector<std::string> files;
  for (std::string line; std::getline(lines, line);)
    if (!line.empty()) files.push_back(line);
  if (files.empty()) throw UserError("palvex-demo wrote no file");
  out << (options.all ? "Rendered every theme of " + store.string() + ":" : "Rendered:") << '\n';
  for (const auto& file : files) out << "  " << file << '\n';
}

}  // namespace palvex::cli
