#include "value_parser.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "user_error.h"

namespace palvex::cli {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// True when all of `digits` are hex digits; `out` saturates past 64 bits.
bool parseHex(std::string_view digits, std::uint64_t& out) {
  if (digits.empty()) return false;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), out, 16);
  if (ec == std::errc::result_out_of_range) {
    out = UINT64_MAX;
    return end == digits.data() + digits.size();
  }
  return ec == std::errc{} && end == digits.data() + digits.size();
}

const char* const kForms = "use a decimal number, 0x followed by hex digits, or #RRGGBB";

std::int32_t parseWebColour(std::string_view digits) {
  std::uint64_t rgb = 0;
  if (digits.size() != 6 || !parseHex(digits, rgb))
    throw UserError("a web colour is # followed by exactly six hex digits (#RRGGBB)");
  const auto r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return static_cast<std::int32_t>(b << 16 | g << 8 | r);
}

std::int32_t parseHexPattern(std::string_view digits) {
  std::uint64_t pattern = 0;
  if (!parseHex(digits, pattern)) throw UserError(std::string("not a number: ") + kForms);
  if (pattern > UINT32_MAX) throw UserError("does not fit 32 bits (at most 0xFFFFFFFF)");
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(pattern));
}

std::int32_t parseDecimal(std::string_view text) {
  std::string_view digits = text;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
    throw UserError(std::string("not a number: ") + kForms);

  std::int64_t value = 0;
  const bool negative = text.front() == '-';
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec == std::errc::result_out_of_range || end != digits.data() + digits.size() ||
      value > (negative ? std::int64_t{INT32_MAX} + 1 : std::int64_t{INT32_MAX}))
    throw UserError("does not fit 32 bits (-2147483648 to 2147483647)");
  return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

std::int32_t parseValue(std::string_view text) {
  text = trimBlanks(text);
  if (text.empty()) throw UserError(std::string("empty value: ") + kForms);
  if (text.front() == '#') return parseWebColour(text.substr(1));
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    return parseHexPattern(text.substr(2));
  return parseDecimal(text);
}

}  // namespace palvex::cli
