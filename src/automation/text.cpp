#include "palvex/text.h"

#include "automation/utf8.h"

#include <clocale>
#include <cstdint>
#include <cwctype>
#include <locale.h>

namespace palvex::text {
namespace {

bool isAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The glibc C.UTF-8 locale carries the full Unicode case tables, whatever
// locale the host process has selected.
locale_t utf8Locale() {
  static locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  return loc;
}

}  // namespace

std::string upper(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  if (isAscii(s)) {
    for (char c : s) out += asciiUpper(c);
    return out;
  }
  locale_t loc = utf8Locale();
  for (std::size_t i = 0; i < s.size();) {
    char32_t cp = 0;
    std::size_t len = utf8::decode(s, i, cp);
    if (len == 0) {  // not UTF-8: keep the byte
      out += s[i++];
      continue;
    }
    if (loc != nullptr) cp = static_cast<char32_t>(towupper_l(static_cast<wint_t>(cp), loc));
    utf8::append(cp, out);
    i += len;
  }
  return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  // One pass while both are ASCII: member names nearly always are.
  if (a.size() == b.size()) {
    std::size_t i = 0;
    for (; i < a.size(); ++i) {
      const char ca = a[i], cb = b[i];
      if ((static_cast<unsigned char>(ca) | static_cast<unsigned char>(cb)) & 0x80) break;
      if (ca != cb && asciiUpper(ca) != asciiUpper(cb)) return false;
    }
    if (i == a.size()) return true;
  } else if (isAscii(a) && isAscii(b)) {
    return false;
  }
  return upper(a) == upper(b);
}

bool containsIgnoreCase(std::string_view haystack, std::string_view needle) {
  if (needle.empty()) return true;
  if (isAscii(needle) && isAscii(haystack)) {
    if (needle.size() > haystack.size()) return false;
    for (std::size_t i = 0; i + needle.size() <= haystack.size(); ++i) {
      std::size_t k = 0;
      while (k < needle.size() && asciiUpper(haystack[i + k]) == asciiUpper(needle[k])) ++k;
      if (k == needle.size()) return true;
    }
    return false;
  }
  return upper(haystack).find(upper(needle)) != std::string::npos;
}

std::string_view trimSpaces(std::string_view s) {
  auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  auto last = s.find_last_not_of(' ');
  return s.substr(first, last - first + 1);
}

namespace {
// FNV-1a over the upper-cased bytes, so that names equal without regard to
// case hash alike even when only one of them is ASCII ("ſ" and "s").
std::size_t hashUpperAscii(std::string_view s) {
  std::uint64_t h = 1469598103934665603ull;
  for (char c : s) {
    h ^= static_cast<unsigned char>(asciiUpper(c));
    h *= 1099511628211ull;
  }
  return static_cast<std::size_t>(h);
}
}  // namespace

std::size_t CaseInsensitiveHash::operator()(std::string_view s) const noexcept {
  return isAscii(s) ? hashUpperAscii(s) : hashUpperAscii(upper(s));
}

}  // namespace palvex::text
