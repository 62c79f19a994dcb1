#pragma once
// What every fuzz target shares: a property check that stops the run with the
// failing input, a reader that turns fuzz bytes into typed values, and our own
// UTF-8 rules, written apart from the library's decoder so that the two check
// each other.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace palvex::fuzz {

[[noreturn]] inline void propertyFailed(const char* file, int line, const char* what) {
  std::fprintf(stderr, "%s:%d: property failed: %s\n", file, line, what);
  std::abort();  // libFuzzer keeps the input as a crash artifact
}

#define FUZZ_CHECK(condition) \
  ((condition) ? void(0) : ::palvex::fuzz::propertyFailed(__FILE__, __LINE__, #condition))

// Consumes fuzz bytes front to back; past the end every read gives zeros.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  template <class T>
  T take() {
    T value{};
    const std::size_t n = std::min(sizeof(T), size_ - pos_);
    std::memcpy(&value, data_ + pos_, n);
    pos_ += n;
    return value;
  }
  // Bytes up to (not including) the next `end` byte, which is consumed.
  std::string takeUntil(std::uint8_t end, std::size_t limit) {
    std::string out;
    while (pos_ < size_ && data_[pos_] != end && out.size() < limit) out += static_cast<char>(data_[pos_++]);
    if (pos_ < size_ && data_[pos_] == end) ++pos_;
    return out;
  }
  std::string_view rest() {
    std::string_view out(reinterpret_cast<const char*>(data_) + pos_, size_ - pos_);
    pos_ = size_;
    return out;
  }
  bool empty() const { return pos_ >= size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// Well-formed UTF-8 by the byte ranges of the Unicode standard (table 3-7).
inline bool isWellFormedUtf8(std::string_view s) {
  auto in = [](unsigned char c, unsigned lo, unsigned hi) { return c >= lo && c <= hi; };
  for (std::size_t i = 0; i < s.size();) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(k < s.size() ? s[k] : 0); };
    const unsigned char c = b(i);
    if (c <= 0x7F) { i += 1; continue; }
    if (in(c, 0xC2, 0xDF) && in(b(i + 1), 0x80, 0xBF)) { i += 2; continue; }
    const bool three = (c == 0xE0 && in(b(i + 1), 0xA0, 0xBF)) || (in(c, 0xE1, 0xEC) && in(b(i + 1), 0x80, 0xBF)) ||
                       (c == 0xED && in(b(i + 1), 0x80, 0x9F)) || (in(c, 0xEE, 0xEF) && in(b(i + 1), 0x80, 0xBF));
    if (three && in(b(i + 2), 0x80, 0xBF)) { i += 3; continue; }
    const bool four = (c == 0xF0 && in(b(i + 1), 0x90, 0xBF)) || (in(c, 0xF1, 0xF3) && in(b(i + 1), 0x80, 0xBF)) ||
                      (c == 0xF4 && in(b(i + 1), 0x80, 0x8F));
    if (four && in(b(i + 2), 0x80, 0xBF) && in(b(i + 3), 0x80, 0xBF)) { i += 4; continue; }
    return false;
  }
  return true;
}

// Code points of well-formed UTF-8 text.
inline std::size_t codePoints(std::string_view s) {
  std::size_t n = 0;
  for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

// Well-formed UTF-8 text as UTF-16LE code units (surrogate pairs past U+FFFF).
inline std::string toUtf16Le(std::string_view utf8) {
  std::string out;
  auto unit = [&](std::uint32_t u) {
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>(u >> 8);
  };
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    std::uint32_t cp = len == 1 ? c : c & (0x7Fu >> len);
    for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
    i += len;
    if (cp < 0x10000) {
      unit(cp);
    } else {
      unit(0xD800 + ((cp - 0x10000) >> 10));
      unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
    }
  }
  return out;
}

}  // namespace palvex::fuzz
