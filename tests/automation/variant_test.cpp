#include "palvex/variant.h"

#include <limits>

#include "palvex/property_bag.h"
#include "palvex/text.h"
#include "support/test_env.h"

namespace palvex {
namespace {

TEST(VariantTest, ToInt32RoundsHalfToEven) {
  const std::pair<Variant, std::int32_t> cases[] = {
      {Variant(0.5), 0}, {Variant(1.5), 2}, {Variant(2.5), 2}, {Variant(-1.5), -2}, {Variant(-2.5), -2},
      {Variant("3.5"), 4}, {Variant(" 42 "), 42}, {Variant("&HFF"), 255}, {Variant("&HFFFF"), -1},
      {Variant("&H8000000F"), -2147483633}, {Variant("1D2"), 100}, {Variant(true), -1}, {Variant(), 0},
      {Variant(Currency::fromScaled(25000)), 2}, {Variant(Currency::fromScaled(35000)), 4},
      {Variant(std::int64_t{-2147483648LL}), std::numeric_limits<std::int32_t>::min()},
  };
  for (const auto& [input, expected] : cases) EXPECT_EQ(input.toInt32(), expected) << input.typeName() << " " << input.toString();
  EXPECT_EQ(Variant(-32768.4).toInt16(), -32768);
}

TEST(VariantTest, ConversionErrorsCarryTheClassicNumbers) {
  EXPECT_PALVEX_ERROR(Variant(32767.5).toInt16(), ErrorNumber::Overflow, "Integer");
  EXPECT_PALVEX_ERROR(Variant("99999999999").toInt32(), ErrorNumber::Overflow, "Long");
  EXPECT_PALVEX_ERROR(Variant(1e300).toCurrency(), ErrorNumber::Overflow, "currency");
  EXPECT_PALVEX_ERROR(Variant("-1D400").toDouble(), ErrorNumber::Overflow, "out of range for a Double");
  EXPECT_EQ(Variant("1e-400").toDouble(), 0.0);
  for (const char* text : {"", "abc", "12abc", "1.2.3", "&HFG", "E5", "1e400x"})
    EXPECT_PALVEX_ERROR(Variant(text).toInt32(), ErrorNumber::TypeMismatch, "not a number");

  auto bag = PropertyBag::make("Label");
  Variant object(bag);
  EXPECT_EQ(object.toObject().get(), bag.get());
  EXPECT_PALVEX_ERROR(object.toInt32(), ErrorNumber::TypeMismatch, "object");
  EXPECT_PALVEX_ERROR(Variant(5).toObject(), ErrorNumber::TypeMismatch, "not an object");
  EXPECT_PALVEX_ERROR(Variant(ObjectRef{}).toObject(), ErrorNumber::ObjectNotSet, "not set");
}

TEST(VariantTest, TextAndCurrencyAndExactEquality) {
  EXPECT_EQ(Variant(std::int32_t{-2147483633}).toString(), "-2147483633");
  EXPECT_EQ(Variant(true).toString(), "True");
  // Fifteen digits as a rule; that the text reads back is the fuzz replay's to check.
  EXPECT_EQ(Variant(0.1).toString(), "0.1");
  EXPECT_EQ(Variant(1e20).toString(), "1E+20");
  EXPECT_EQ(Variant(Currency::fromDouble(2.5)).toString(), "2.5");
  EXPECT_EQ(Currency::fromScaled(std::numeric_limits<std::int64_t>::min()).toString(), "-922337203685477.5808");
  EXPECT_EQ(text::upper(std::string("añ\xff")), std::string("AÑ\xff")) << "a byte that is no UTF-8 is kept";
  EXPECT_EQ(Currency::fromDouble(0.00005).scaled(), 0);  // half to even at the fifth decimal
  EXPECT_EQ(Currency::fromDouble(-2.5).scaled(), -25000);
  EXPECT_FALSE(Variant(std::int32_t{5}) == Variant(std::int16_t{5}));
}

}  // namespace
}  // namespace palvex
