#include "profile/ini_encoding.h"

#include <array>
#include <cstdint>

namespace palvex::profile {
namespace {

constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

unsigned byteAt(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

// Length of the well-formed UTF-8 sequence at s[i], or 0 (overlong forms,
// surrogates and values past U+10FFFF are not well-formed).
std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
  unsigned lead = byteAt(s, i);
  if (lead < 0x80) return 1;
  std::size_t len = (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (len == 0 || i + len > s.size()) return 0;
  char32_t cp = lead & (0x7Fu >> len);
  for (std::size_t k = 1; k < len; ++k) {
    unsigned b = byteAt(s, i + k);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  static constexpr std::array<char32_t, 5> kMinimum = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMinimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

bool isValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    std::size_t len = utf8SequenceLength(s, i);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

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
    appendUtf8(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b, out);
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
        appendUtf8(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), out);
        i += 2;
        continue;
      }
    }
    appendUtf8(unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit, out);
  }
  return out;
}

}  // namespace

std::string iniBytesToUtf8(std::string_view bytes) {
  if (bytes.starts_with(kUtf16LeBom)) return fromUtf16Le(bytes.substr(kUtf16LeBom.size()));
  if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
  if (isValidUtf8(bytes)) return std::string(bytes);
  return fromWindows1252(bytes);
}

}  // namespace palvex::profile
