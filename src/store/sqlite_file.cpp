#include "store/sqlite_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "palvex/error.h"

namespace palvex::sqlite {
namespace {

[[noreturn]] void failWith(const std::filesystem::path& file, const std::string& what, int err) {
  throw Error(ErrorNumber::Storage, file.string() + ": " + what + ": " + std::strerror(err));
}

// The settings hold nothing secret, but they are nobody else's business:
// folders we create are private. Folders that already exist keep their mode.
void createFolders(const std::filesystem::path& file) {
  std::filesystem::path folder;
  for (const auto& part : file.parent_path()) {
    folder /= part;
    if (::mkdir(folder.c_str(), 0700) == 0) {
      ::chmod(folder.c_str(), 0700);  // whatever the umask
      continue;
    }
    if (errno != EEXIST) failWith(file, "cannot create folder " + folder.string(), errno);
  }
}

}  // namespace

void createPrivateFile(const std::filesystem::path& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) == 0) return;
  createFolders(file);
  // O_EXCL: when two processes start at once, the first creates the file and
  // the other simply opens what is there.
  int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) {
    if (errno == EEXIST) return;
    failWith(file, "cannot create the file", errno);
  }
  ::fchmod(fd, 0600);
  ::close(fd);
}

}  // namespace palvex::sqlite
