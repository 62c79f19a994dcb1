#include "profile/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "profile/ini_encoding.h"

namespace palvex::profile {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.front() == value.back())
    return value.substr(1, value.size() - 2);
  return value;
}

// The first `limit` characters (code points) of UTF-8 text.
std::string_view cutToCharacters(std::string_view s, std::size_t limit) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    bool startsCharacter = (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80;
    if (startsCharacter && count++ == limit) return s.substr(0, i);
  }
  return s;
}

// Only regular files are read: a pipe or device in the file's place would
// block the user-interface thread.
std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return std::nullopt;
  }
  std::string bytes;
  char buffer[16384];
  for (;;) {
    ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      ::close(fd);
      return std::nullopt;  // a directory, an I/O error
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return bytes;
}

}  // namespace

void scanIniLines(std::string_view content, const std::function<void(const IniLine&)>& onLine) {
  IniLine line;
  while (!content.empty()) {
    const std::size_t end = content.find_first_of("\r\n");
    const std::string_view text = trimBlanks(content.substr(0, end));
    line = IniLine{IniLine::Kind::Ignored, line.number + 1, {}, {}, true};
    if (text.empty() || text.front() == ';') {
      // blank or comment
    } else if (text.front() == '[') {
      const std::size_t close = text.find(']');
      line.kind = IniLine::Kind::Section;
      line.closed = close != std::string_view::npos;
      line.name = trimBlanks(text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    } else if (const std::size_t equals = text.find('='); equals != std::string_view::npos) {
      line.kind = IniLine::Kind::Entry;
      line.name = trimBlanks(text.substr(0, equals));
      line.value = unquote(trimBlanks(text.substr(equals + 1)));
    } else {
      line.kind = IniLine::Kind::NotAnEntry;
    }
    onLine(line);
    if (end == std::string_view::npos) return;
    std::size_t next = end + 1;
    if (content[end] == '\r' && next < content.size() && content[next] == '\n') ++next;
    content.remove_prefix(next);
  }
}

IniFile IniFile::parse(std::string_view bytes) {
  IniFile file;
  const std::string content = iniBytesToUtf8(bytes);
  Entries* current = nullptr;  // nullptr: before the first header, or in a repeated section
  scanIniLines(content, [&](const IniLine& line) {
    if (line.kind == IniLine::Kind::Section) {
      auto [it, inserted] = file.sections_.try_emplace(std::string(line.name));
      current = inserted ? &it->second : nullptr;
    } else if (line.kind == IniLine::Kind::Entry && current != nullptr) {
      current->try_emplace(std::string(line.name), cutToCharacters(line.value, kMaxValueLength));
    }
  });
  return file;
}

std::optional<IniFile> IniFile::load(const std::filesystem::path& path) {
  auto bytes = readWholeFile(path);
  if (!bytes) return std::nullopt;
  return parse(*bytes);
}

std::optional<std::string_view> IniFile::find(std::string_view section, std::string_view key) const {
  auto s = sections_.find(text::trimSpaces(section));
  if (s == sections_.end()) return std::nullopt;
  auto k = s->second.find(text::trimSpaces(key));
  if (k == s->second.end()) return std::nullopt;
  return std::string_view(k->second);
}

}  // namespace palvex::profile
