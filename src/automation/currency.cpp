#include "palvex/currency.h"

#include <cmath>
#include <cstdlib>

#include "palvex/error.h"

namespace palvex {

Currency Currency::fromDouble(double value) {
  // nearbyint rounds half to even in the default rounding mode.
  double scaled = std::nearbyint(value * static_cast<double>(kScale));
  // 2^63 is exactly representable; the valid range is [-2^63, 2^63).
  constexpr double kLimit = 9223372036854775808.0;
  if (!(scaled >= -kLimit && scaled < kLimit))
    throw overflowError("value out of range for currency");
  return fromScaled(static_cast<std::int64_t>(scaled));
}

std::string Currency::toString() const {
  // Work on the magnitude as unsigned so that the minimum value has no overflow.
  bool negative = scaled_ < 0;
  std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(scaled_) : static_cast<std::uint64_t>(scaled_);
  std::uint64_t whole = magnitude / kScale;
  std::uint64_t frac = magnitude % kScale;
  std::string out = negative ? "-" : "";
  out += std::to_string(whole);
  if (frac != 0) {
    std::string digits = std::to_string(frac);
    digits.insert(0, 4 - digits.size(), '0');
    while (digits.back() == '0') digits.pop_back();
    out += "." + digits;
  }
  return out;
}

}  // namespace palvex
