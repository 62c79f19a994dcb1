// The override-file reader on any bytes: whatever encoding the bytes look
// like, the text that comes out is valid UTF-8, valid UTF-8 text is taken as
// it is, UTF-16 carries any text unchanged, and every value a lookup returns
// is valid UTF-8 of at most kMaxValueLength characters, the first spelling of
// its key in the first section winning.

#include <string>
#include <vector>

#include "fuzz_support.h"
#include "palvex/text.h"
#include "profile/ini_encoding.h"
#include "profile/ini_file.h"

namespace palvex::fuzz {
namespace {

constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

void checkDecoding(std::string_view bytes) {
  const std::string text = profile::iniBytesToUtf8(bytes);
  FUZZ_CHECK(isWellFormedUtf8(text));
  if (!bytes.starts_with(kUtf16LeBom) && !bytes.starts_with(kUtf8Bom) && isWellFormedUtf8(bytes))
    FUZZ_CHECK(text == bytes);
  if (!text.starts_with(kUtf8Bom)) FUZZ_CHECK(profile::iniBytesToUtf8(text) == text);
  FUZZ_CHECK(profile::iniBytesToUtf8(std::string(kUtf16LeBom) + toUtf16Le(text)) == text);
}

// The first `limit` code points of well-formed UTF-8 text.
std::string_view firstCodePoints(std::string_view s, std::size_t limit) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < s.size(); ++i)
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && ++count > limit) return s.substr(0, i);
  return s;
}

struct Entry {
  std::string section;
  std::string key;
  std::string value;
  bool inFirstSection;
};

void checkLookups(std::string_view bytes) {
  const auto file = profile::IniFile::parse(bytes);
  std::vector<Entry> entries;
  std::string section;
  int sections = 0;
  profile::scanIniLines(profile::iniBytesToUtf8(bytes), [&](const profile::IniLine& line) {
    if (line.kind == profile::IniLine::Kind::Section) {
      section = line.name;
      ++sections;
    } else if (line.kind == profile::IniLine::Kind::Entry && sections > 0) {
      entries.push_back({section, std::string(line.name), std::string(line.value), sections == 1});
    }
  });

  std::vector<std::string> firstSectionKeys;
  for (const auto& entry : entries) {
    const auto found = file.find(entry.section, entry.key);
    if (found) {
      FUZZ_CHECK(isWellFormedUtf8(*found));
      FUZZ_CHECK(codePoints(*found) <= profile::IniFile::kMaxValueLength);
    }
    if (!entry.inFirstSection) continue;
    bool repeated = false;
    for (const auto& key : firstSectionKeys) repeated = repeated || text::equalsIgnoreCase(key, entry.key);
    if (repeated) continue;
    firstSectionKeys.push_back(entry.key);
    FUZZ_CHECK(found.has_value());
    FUZZ_CHECK(*found == firstCodePoints(entry.value, profile::IniFile::kMaxValueLength));
  }
}

}  // namespace
}  // namespace palvex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace palvex::fuzz;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  checkDecoding(bytes);
  checkDecoding(std::string(kUtf16LeBom) + std::string(bytes));  // the same bytes read as UTF-16
  checkLookups(bytes);
  return 0;
}
