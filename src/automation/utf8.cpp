#include "automation/utf8.h"

namespace palvex::utf8 {

std::size_t decode(std::string_view s, std::size_t i, char32_t& cp) {
  auto byteAt = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char lead = byteAt(i);
  if (lead < 0x80) {
    cp = lead;
    return 1;
  }
  std::size_t len = (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (len == 0 || i + len > s.size()) return 0;
  char32_t value = lead & (0x7Fu >> len);
  for (std::size_t k = 1; k < len; ++k) {
    if ((byteAt(i + k) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byteAt(i + k) & 0x3F);
  }
  static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < kMinimum[len] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  cp = value;
  return len;
}

void append(char32_t cp, std::string& out) {
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

bool isValid(std::string_view s) {
  char32_t cp = 0;
  for (std::size_t i = 0; i < s.size();) {
    std::size_t len = decode(s, i, cp);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

}  // namespace palvex::utf8
