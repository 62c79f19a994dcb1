#include "profile/ini_encoding.h"

#include "automation/utf8.h"

#include <array>
#include <cstdint>

namespace palvex::profile {
namespace {

constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr char32_t kReplacement = 0xFFFD;

unsigned byteAt(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to the C1 control
// of the same number, as the Windows conversion does.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string fromWindows1252(std::string_view s) {
  std::string out;
  out.reserve(s.size() + s.size() / 4);
  for (std::size_t i = 0; i < s.size(); ++i) {
    unsigned b = byteAt(s, i);
    utf8::append(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b, out);
  }
  return out;
}

std::string fromUtf16Le(std::string_view s) {
  std::string out;
  out.reserve(s.size() / 2);
  auto unitAt = [&](std::size_t i) { return static_cast<char16_t>(byteAt(s, i) | (byteAt(s, i + 1) << 8)); };
  // A trailing odd byte is not a code unit and is dropped.
  for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
    char32_t unit = unitAt(i);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < s.size()) {
      char32_t low = unitAt(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        utf8::append(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), out);
        i += 2;
        continue;
      }
    }
    utf8::append(unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit, out);
  }
  return out;
}

}  // namespace

std::string iniBytesToUtf8(std::string_view bytes) {
  if (bytes.starts_with(kUtf16LeBom)) return fromUtf16Le(bytes.substr(kUtf16LeBom.size()));
  if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
  if (utf8::isValid(bytes)) return std::string(bytes);
  return fromWindows1252(bytes);
}

}  // namespace palvex::profile
