#pragma once
// Fixed-point currency: a 64-bit integer scaled by 10,000 (four decimals).
// Range -922337203685477.5808 .. 922337203685477.5807; conversions into it
// round half to even at the fifth decimal and raise an overflow past the range.

#include "palvex/export.h"

#include <compare>
#include <cstdint>
#include <string>

namespace palvex {

class PALVEX_EXPORT Currency {
 public:
  static constexpr std::int64_t kScale = 10000;

  constexpr Currency() = default;
  static constexpr Currency fromScaled(std::int64_t scaled) { Currency c; c.scaled_ = scaled; return c; }
  static constexpr Currency fromInteger(std::int32_t whole) { return fromScaled(std::int64_t{whole} * kScale); }
  // Throws an overflow error when `value` (or a NaN) does not fit.
  static Currency fromDouble(double value);

  constexpr std::int64_t scaled() const { return scaled_; }
  double toDouble() const { return static_cast<double>(scaled_) / kScale; }
  // Decimal text without trailing zeros: "12", "-2147483633", "1.5".
  std::string toString() const;

  friend constexpr auto operator<=>(Currency, Currency) = default;

 private:
  std::int64_t scaled_ = 0;
};

}  // namespace palvex
