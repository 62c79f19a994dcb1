#pragma once
// Our reader of private profile (INI) files, with the matching rules of the
// Windows profile API that theme files were written against:
// - sections and keys match without regard to case (every letter); spaces
//   around the looked-up names are ignored;
// - blanks (space, tab, vertical tab) around names and values are ignored,
//   and a value in a matching pair of quotes loses that outer pair;
// - a line whose first non-blank is ';' is a comment (no inline comments);
// - the first of duplicate keys, and of duplicate sections, wins; lines before
//   the first header cannot be reached;
// - a header ends at its first ']', or at the end of the line without one;
// - CRLF, LF and CR end a line; a value is cut at kMaxValueLength characters.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "palvex/text.h"

namespace palvex::profile {

// One line of an INI text as the profile rules see it.
struct IniLine {
  enum class Kind { Ignored, Section, Entry, NotAnEntry };
  Kind kind = Kind::Ignored;  // Ignored: blank or a ';' comment
  int number = 0;             // 1-based
  std::string_view name;      // Section: its name, blanks trimmed; Entry: the key, blanks trimmed
  std::string_view value;     // Entry: blanks trimmed, outer quotes removed, not yet cut
  bool closed = true;         // Section: whether the header had its ']'
};

// Calls `onLine` for every line of UTF-8 `content` (CRLF, LF and CR end a line).
void scanIniLines(std::string_view content, const std::function<void(const IniLine&)>& onLine);

class IniFile {
 public:
  // The profile call copies into a 1024-character buffer, one kept for the terminator.
  static constexpr std::size_t kMaxValueLength = 1023;

  // Parses file bytes in any of the encodings of iniBytesToUtf8.
  static IniFile parse(std::string_view bytes);
  // The parsed file, or nullopt when it cannot be read.
  static std::optional<IniFile> load(const std::filesystem::path& path);

  // The value of `key` in `section` (may be empty), or nullopt when either is missing.
  std::optional<std::string_view> find(std::string_view section, std::string_view key) const;

 private:
  using Entries = std::unordered_map<std::string, std::string, text::CaseInsensitiveHash, text::CaseInsensitiveEqual>;
  std::unordered_map<std::string, Entries, text::CaseInsensitiveHash, text::CaseInsensitiveEqual> sections_;
};

}  // namespace palvex::profile
