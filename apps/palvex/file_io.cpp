#include "file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "user_error.h"

namespace palvex::cli {
namespace {

UserError failure(const char* what, const std::filesystem::path& path, int error) {
  return UserError(std::string("cannot ") + what + " " + path.string() + ": " + std::strerror(error));
}

// Closes the descriptor with the object.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, so that a failing close (a full disk, say) can be reported.
  int release() { return ::close(std::exchange(fd_, -1)); }

 private:
  int fd_;
};

}  // namespace

std::string readFileBytes(const std::filesystem::path& path) {
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) throw failure("read", path, errno);
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n == 0) return bytes;
    if (n < 0) {
      if (errno == EINTR) continue;
      throw failure("read", path, errno);
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

void writeFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (fd.get() < 0) throw failure("write", path, errno);
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd.get(), bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      throw failure("write", path, errno);
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  if (fd.release() != 0) throw failure("write", path, errno);
}

}  // namespace palvex::cli
