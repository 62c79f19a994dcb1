#include "palvex/variant.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "palvex/error.h"
#include "palvex/object.h"
#include "palvex/text.h"

namespace palvex {
namespace {

template <class... Fs>
struct Overloaded : Fs... {
  using Fs::operator()...;
};
template <class... Fs>
Overloaded(Fs...) -> Overloaded<Fs...>;

double roundChecked(double value, double lo, double hi, const char* what) {
  double r = std::nearbyint(value);  // half to even in the default rounding mode
  if (!(r >= lo && r <= hi)) throw overflowError(std::string("value out of range for ") + what);
  return r;
}

// A whole text that is a number: blanks around it, an optional sign, decimal
// digits with one '.', an exponent E or D, or an &H / &O literal.
bool parseWholeNumber(std::string_view s, double& out) {
  auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  if (s.empty()) return false;
  if (s.size() > 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
    int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
    std::uint64_t bits = 0;
    auto digits = s.substr(2);
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), bits, base);
    if (ec != std::errc() || ptr != digits.data() + digits.size() || bits > 0xFFFFFFFFull) return false;
    out = bits <= 0xFFFF ? static_cast<double>(static_cast<std::int16_t>(bits))
                         : static_cast<double>(static_cast<std::int32_t>(bits));
    return true;
  }
  std::string buf(s);
  if (buf[0] == '+') buf.erase(0, 1);
  for (char& c : buf)
    if (c == 'D' || c == 'd') c = 'E';
  if (buf.empty() || buf[0] == '+' || buf[0] == 'E' || buf[0] == 'e') return false;
  auto [ptr, ec] = std::from_chars(buf.data(), buf.data() + buf.size(), out);
  if (ptr != buf.data() + buf.size()) return false;
  // A number past the range of a double is still a number: too large is an
  // overflow, too small to tell from zero is zero.
  if (ec == std::errc::result_out_of_range) {
    if (std::abs(std::strtod(buf.c_str(), nullptr)) >= 1.0) throw overflowError("\"" + std::string(s) + "\" is out of range for a Double");
    out = 0;
    return true;
  }
  return ec == std::errc() && std::isfinite(out);
}

// Fifteen significant digits, as the classic conversion writes them; near
// the ends of the range they may round past the largest double, so those
// get the digits that read back as the same number.
std::string doubleText(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.15G", v);
  if (std::isfinite(v) && !std::isfinite(std::strtod(buf, nullptr)))
    std::snprintf(buf, sizeof buf, "%.17G", v);
  return buf;
}

double stringToDouble(const std::string& s) {
  if (text::equalsIgnoreCase(s, "True")) return -1;
  if (text::equalsIgnoreCase(s, "False")) return 0;
  double v = 0;
  if (!parseWholeNumber(s, v)) throw typeMismatchError("\"" + s + "\" is not a number");
  return v;
}

}  // namespace

std::int16_t roundToInt16(double value) {
  return static_cast<std::int16_t>(roundChecked(value, -32768.0, 32767.0, "Integer"));
}
std::int32_t roundToInt32(double value) {
  return static_cast<std::int32_t>(roundChecked(value, -2147483648.0, 2147483647.0, "Long"));
}
std::int64_t roundToInt64(double value) {
  double r = std::nearbyint(value);
  constexpr double kLimit = 9223372036854775808.0;
  if (!(r >= -kLimit && r < kLimit)) throw overflowError("value out of range for LongLong");
  return static_cast<std::int64_t>(r);
}

Variant::Variant(ObjectRef v) {
  if (v)
    value_ = std::move(v);
  else
    value_ = Nothing{};
}

VarType Variant::type() const {
  return std::visit(Overloaded{
                        [](std::monostate) { return VarType::Empty; },
                        [](bool) { return VarType::Boolean; },
                        [](std::int16_t) { return VarType::Integer; },
                        [](std::int32_t) { return VarType::Long; },
                        [](std::int64_t) { return VarType::LongLong; },
                        [](double) { return VarType::Double; },
                        [](Currency) { return VarType::Currency; },
                        [](const std::string&) { return VarType::String; },
                        [](const ObjectRef&) { return VarType::Object; },
                        [](Nothing) { return VarType::Nothing; },
                    },
                    value_);
}

const char* Variant::typeName() const {
  switch (type()) {
    case VarType::Empty: return "Empty";
    case VarType::Boolean: return "Boolean";
    case VarType::Integer: return "Integer";
    case VarType::Long: return "Long";
    case VarType::LongLong: return "LongLong";
    case VarType::Double: return "Double";
    case VarType::Currency: return "Currency";
    case VarType::String: return "String";
    case VarType::Object: return "Object";
    case VarType::Nothing: return "Nothing";
  }
  return "Unknown";
}

double Variant::toDouble() const {
  return std::visit(Overloaded{
                        [](std::monostate) { return 0.0; },
                        [](bool b) { return b ? -1.0 : 0.0; },
                        [](std::int16_t v) { return static_cast<double>(v); },
                        [](std::int32_t v) { return static_cast<double>(v); },
                        [](std::int64_t v) { return static_cast<double>(v); },
                        [](double v) { return v; },
                        [](Currency v) { return v.toDouble(); },
                        [](const std::string& s) { return stringToDouble(s); },
                        [](const ObjectRef&) -> double { throw typeMismatchError("an object is not a number"); },
                        [](Nothing) -> double { throw typeMismatchError("Nothing is not a number"); },
                    },
                    value_);
}

std::int64_t Variant::toInt64() const {
  switch (type()) {
    case VarType::Empty: return 0;
    case VarType::Boolean: return std::get<bool>(value_) ? -1 : 0;
    case VarType::Integer: return std::get<std::int16_t>(value_);
    case VarType::Long: return std::get<std::int32_t>(value_);
    case VarType::LongLong: return std::get<std::int64_t>(value_);
    case VarType::Currency: {
      // Round the scaled value half to even without leaving integers.
      std::int64_t s = std::get<Currency>(value_).scaled();
      std::int64_t q = s / Currency::kScale, r = s % Currency::kScale;
      if (r > 5000 || (r == 5000 && (q & 1))) ++q;
      if (r < -5000 || (r == -5000 && (q & 1))) --q;
      return q;
    }
    default: return roundToInt64(toDouble());
  }
}

std::int32_t Variant::toInt32() const {
  switch (type()) {
    case VarType::Empty: return 0;
    case VarType::Boolean: return std::get<bool>(value_) ? -1 : 0;
    case VarType::Integer: return std::get<std::int16_t>(value_);
    case VarType::Long: return std::get<std::int32_t>(value_);
    case VarType::LongLong:
    case VarType::Currency: {
      std::int64_t v = toInt64();
      if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        throw overflowError("value out of range for Long");
      return static_cast<std::int32_t>(v);
    }
    default: return roundToInt32(toDouble());
  }
}

std::int16_t Variant::toInt16() const {
  if (type() == VarType::Integer) return std::get<std::int16_t>(value_);
  std::int64_t v = (type() == VarType::Double || type() == VarType::String) ? roundToInt16(toDouble()) : toInt64();
  if (v < -32768 || v > 32767) throw overflowError("value out of range for Integer");
  return static_cast<std::int16_t>(v);
}

Currency Variant::toCurrency() const {
  switch (type()) {
    case VarType::Currency: return std::get<Currency>(value_);
    case VarType::Integer:
    case VarType::Long:
    case VarType::Boolean:
    case VarType::Empty: return Currency::fromScaled(toInt64() * Currency::kScale);
    case VarType::LongLong: {
      std::int64_t v = std::get<std::int64_t>(value_);
      constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max() / Currency::kScale;
      if (v > kMax || v < -kMax) throw overflowError("value out of range for Currency");
      return Currency::fromScaled(v * Currency::kScale);
    }
    default: return Currency::fromDouble(toDouble());
  }
}

bool Variant::toBool() const {
  if (type() == VarType::Boolean) return std::get<bool>(value_);
  return toDouble() != 0.0;
}

std::string Variant::toString() const {
  return std::visit(Overloaded{
                        [](std::monostate) { return std::string(); },
                        [](bool b) { return std::string(b ? "True" : "False"); },
                        [](std::int16_t v) { return std::to_string(v); },
                        [](std::int32_t v) { return std::to_string(v); },
                        [](std::int64_t v) { return std::to_string(v); },
                        [](double v) { return doubleText(v); },
                        [](Currency v) { return v.toString(); },
                        [](const std::string& s) { return s; },
                        [](const ObjectRef&) -> std::string { throw typeMismatchError("an object is not a text"); },
                        [](Nothing) -> std::string { throw typeMismatchError("Nothing is not a text"); },
                    },
                    value_);
}

ObjectRef Variant::toObject() const { return objectRef(); }

const ObjectRef& Variant::objectRef() const {
  if (auto p = std::get_if<ObjectRef>(&value_)) return *p;
  if (std::holds_alternative<Nothing>(value_)) throw objectNotSetError();
  throw typeMismatchError(std::string("a ") + typeName() + " is not an object");
}

bool operator==(const Variant& a, const Variant& b) { return a.value_ == b.value_; }

}  // namespace palvex
