#include "support/small_disk.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace palvex::testing {

namespace {

// In the child: a mount namespace of its own, as root directly, else as the
// root of a new user namespace that maps the caller's ids.
bool mountSmallFileSystem(const std::filesystem::path& folder) {
  const uid_t uid = ::getuid();
  const gid_t gid = ::getgid();
  if (::unshare(CLONE_NEWNS | (::geteuid() == 0 ? 0 : CLONE_NEWUSER)) != 0) return false;
  if (::geteuid() != 0 && uid != 0) {
    std::ofstream("/proc/self/setgroups") << "deny";
    std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
    std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
  }
  std::filesystem::create_directories(folder);
  // Private first, so that the mount does not leak back to the parent's namespace.
  return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
         ::mount("palvex-test", folder.c_str(), "tmpfs", 0, "size=256k") == 0;
}

}  // namespace

int inSmallFileSystem(const std::filesystem::path& folder, const std::function<int()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    // _exit: the child must not run the parent's test teardown or flush its streams twice.
    if (!mountSmallFileSystem(folder)) ::_exit(kNoSmallFileSystem);
    // Nothing may escape into the parent's test runner, which the child still holds a copy of.
    int status = kBodyThrew;
    try {
      status = body();
    } catch (...) {
    }
    ::_exit(status);
  }
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

void fillTheDisk(const std::filesystem::path& file) {
  std::ofstream filler(file, std::ios::binary);
  const std::string block(4096, 'x');
  while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {
  }
}

}  // namespace palvex::testing
