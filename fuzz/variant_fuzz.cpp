// Variant conversions from any kind and value: the only failures are an
// overflow (6) or a type mismatch (13); the integer widths agree with each
// other (a value converts to a narrower width exactly when it fits); a type
// mismatch is one for every numeric conversion; and a value's text converts
// back to the same value (within the precision of the text for doubles).

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "palvex/error.h"
#include "palvex/text.h"
#include "palvex/variant.h"

namespace palvex::fuzz {
namespace {

template <class T>
struct Result {
  std::optional<T> value;
  int error = 0;
};

template <class F>
auto attempt(F convert) -> Result<decltype(convert())> {
  try {
    return {convert(), 0};
  } catch (const Error& e) {
    FUZZ_CHECK(e.code() == 6 || e.code() == 13);
    return {std::nullopt, e.code()};
  }
}

Variant variantFrom(ByteReader& in) {
  switch (in.take<std::uint8_t>() % 9) {
    case 0: return Variant();
    case 1: return Variant(in.take<std::uint8_t>() % 2 == 1);
    case 2: return Variant(in.take<std::int16_t>());
    case 3: return Variant(in.take<std::int32_t>());
    case 4: return Variant(in.take<std::int64_t>());
    case 5: return Variant(in.take<double>());
    case 6: return Variant(Currency::fromScaled(in.take<std::int64_t>()));
    case 7: return Variant(Nothing{});
    default: return Variant(std::string(in.rest()));
  }
}

constexpr double kExactInDouble = 9007199254740992.0;  // 2^53

void checkWidths(const Result<std::int16_t>& r16, const Result<std::int32_t>& r32, const Result<std::int64_t>& r64) {
  if (r64.value) {
    const auto v = *r64.value;
    FUZZ_CHECK(r32.value.has_value() == (v >= INT32_MIN && v <= INT32_MAX));
    FUZZ_CHECK(r16.value.has_value() == (v >= INT16_MIN && v <= INT16_MAX));
    if (r32.value) FUZZ_CHECK(*r32.value == v);
    if (r16.value) FUZZ_CHECK(*r16.value == v);
  } else {
    FUZZ_CHECK(!r32.value && !r16.value);
  }
}

void checkTextRoundTrip(const Variant& v, const Result<std::int64_t>& r64, const Result<double>& rd,
                        const Result<Currency>& rc) {
  const auto text = attempt([&] { return v.toString(); });
  if (!text.value) return;
  const Variant back(*text.value);
  switch (v.type()) {
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Long:
    case VarType::LongLong:
      // Text is read through a double: exact up to 2^53.
      if (std::fabs(static_cast<double>(*r64.value)) < kExactInDouble) FUZZ_CHECK(back.toInt64() == *r64.value);
      break;
    case VarType::Currency:
      // Through a double and a scaling by 10^4: exact while the scaled value is well inside 2^53.
      if (std::fabs(static_cast<double>(rc.value->scaled())) <= kExactInDouble / 8)
        FUZZ_CHECK(back.toCurrency() == *rc.value);
      break;
    case VarType::Double: {
      const double d = *rd.value;
      if (!std::isfinite(d)) break;
      const auto again = attempt([&] { return back.toDouble(); });
      FUZZ_CHECK(again.value.has_value());
      // Fifteen significant digits; below the normal range only the magnitude survives.
      const double tolerance = std::fabs(d) >= std::numeric_limits<double>::min() ? 1e-14 * std::fabs(d) : 1e-300;
      FUZZ_CHECK(std::fabs(*again.value - d) <= tolerance);
      break;
    }
    default: break;
  }
}

}  // namespace
}  // namespace palvex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace palvex;
  using namespace palvex::fuzz;
  ByteReader in(data, size);
  const Variant v = variantFrom(in);

  const auto r16 = attempt([&] { return v.toInt16(); });
  const auto r32 = attempt([&] { return v.toInt32(); });
  const auto r64 = attempt([&] { return v.toInt64(); });
  const auto rd = attempt([&] { return v.toDouble(); });
  const auto rc = attempt([&] { return v.toCurrency(); });
  const auto rb = attempt([&] { return v.toBool(); });

  // Not a number at all: every numeric conversion says so.
  const bool mismatch = rd.error == 13;
  for (int error : {r16.error, r32.error, r64.error, rc.error, rb.error}) FUZZ_CHECK((error == 13) == mismatch);
  if (v.type() != VarType::Boolean && rd.value) FUZZ_CHECK(rb.value && *rb.value == (*rd.value != 0.0));
  checkWidths(r16, r32, r64);
  checkTextRoundTrip(v, r64, rd, rc);

  // Blanks around a number's text do not change it.
  if (v.isString() && rd.value) {
    const std::string text = v.toString();
    if (!text::equalsIgnoreCase(text, "True") && !text::equalsIgnoreCase(text, "False"))
      FUZZ_CHECK(Variant(" " + text + "\t").toDouble() == *rd.value);
  }
  return 0;
}
