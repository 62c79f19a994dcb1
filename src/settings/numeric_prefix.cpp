// The classic numeric prefix of a text, converted to fixed-point exactly from
// its decimal digits: going through a double would turn 0.00005 or
// 2.00000000000000005 into a neighbour and round the half the wrong way.

#include <cstdint>
#include <string>

#include "palvex/error.h"
#include "palvex/settings.h"

namespace palvex {
namespace {

// Reads characters while skipping blanks, tabs and line feeds wherever they
// stand (" 1 2 " is 12).
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  // The next significant character, or '\0' at the end.
  char peek() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n')) ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void advance() { ++pos_; }
  std::size_t position() const { return pos_; }
  void rewind(std::size_t position) { pos_ = position; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c) {
  if (isDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

[[noreturn]] void throwOutOfRange(std::string_view text) {
  throw overflowError("\"" + std::string(text) + "\" is out of range for a fixed-point number");
}

// "&H..." / "&O..." after the '&': the bit pattern as a signed 16-bit value
// when it fits 16 bits, as a signed 32-bit value when it fits 32 bits.
Currency readRadixLiteral(Cursor& in, std::string_view text) {
  char prefix = in.peek();
  int base = (prefix == 'H' || prefix == 'h') ? 16 : (prefix == 'O' || prefix == 'o') ? 8 : 0;
  if (base == 0) return Currency{};
  in.advance();
  std::uint64_t bits = 0;
  bool tooWide = false;  // more significant digits than 32 bits hold
  for (int d = digitValue(in.peek()); d < base; d = digitValue(in.peek())) {
    bits = bits * static_cast<unsigned>(base) + static_cast<unsigned>(d);
    if (bits > 0xFFFFFFFFu) {
      tooWide = true;
      bits &= 0xFFFFFFFFu;
    }
    in.advance();
  }
  if (tooWide) throwOutOfRange(text);
  std::int32_t value = bits <= 0xFFFFu ? static_cast<std::int16_t>(bits) : static_cast<std::int32_t>(bits);
  return Currency::fromInteger(value);
}

// The exponent after E/D, or 0 with the cursor unmoved when the letter is not
// followed by digits (then the letter simply ends the number).
long readExponent(Cursor& in) {
  constexpr long kSaturation = 1'000'000;  // far past any representable magnitude
  std::size_t start = in.position();
  char letter = in.peek();
  if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return 0;
  in.advance();
  bool negative = false;
  if (in.peek() == '+' || in.peek() == '-') {
    negative = in.peek() == '-';
    in.advance();
  }
  if (!isDigit(in.peek())) {
    in.rewind(start);
    return 0;
  }
  long exponent = 0;
  for (; isDigit(in.peek()); in.advance())
    if (exponent < kSaturation) exponent = exponent * 10 + (in.peek() - '0');
  return negative ? -exponent : exponent;
}

// digits × 10^shift, rounded half to even to a whole number of ten-thousandths.
Currency scaledFromDigits(std::string_view digits, long shift, bool negative, std::string_view text) {
  while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
  if (digits.empty()) return Currency{};
  const long length = static_cast<long>(digits.size());
  const long integerDigits = length + shift;
  if (integerDigits > 19) throwOutOfRange(text);  // at least 10^19 > 2^63

  // Up to 19 decimal digits always fit 64 unsigned bits.
  std::uint64_t magnitude = 0;
  for (long i = 0; i < integerDigits; ++i)
    magnitude = magnitude * 10 + static_cast<unsigned>(i < length ? digits[static_cast<std::size_t>(i)] - '0' : 0);

  if (integerDigits >= 0 && integerDigits < length) {
    const auto first = static_cast<std::size_t>(integerDigits);
    const char dropped = digits[first];
    const bool restNonZero = digits.find_first_not_of('0', first + 1) != std::string_view::npos;
    if (dropped > '5' || (dropped == '5' && (restNonZero || (magnitude & 1u)))) ++magnitude;
  }
  // (integerDigits < 0: the dropped part is below a twentieth, rounds to zero)

  constexpr std::uint64_t kMaxPositive = 0x7FFFFFFFFFFFFFFFu;
  if (magnitude > kMaxPositive + (negative ? 1u : 0u)) throwOutOfRange(text);
  return Currency::fromScaled(negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude));
}

}  // namespace

Currency numericPrefix(std::string_view text) {
  Cursor in(text);
  if (in.peek() == '&') {
    in.advance();
    return readRadixLiteral(in, text);
  }

  bool negative = false;
  if (in.peek() == '+' || in.peek() == '-') {
    negative = in.peek() == '-';
    in.advance();
  }
  std::string digits;
  long fractionDigits = 0;
  bool seenPoint = false;
  for (char c = in.peek();; c = in.peek()) {
    if (isDigit(c)) {
      digits += c;
      if (seenPoint) ++fractionDigits;
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
    in.advance();
  }
  if (digits.empty()) return Currency{};  // no number reads 0 (an exponent needs a mantissa)
  long exponent = readExponent(in);
  return scaledFromDigits(digits, exponent - fractionDigits + 4, negative, text);
}

}  // namespace palvex
