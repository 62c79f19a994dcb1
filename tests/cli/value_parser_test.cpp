#include "value_parser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "user_error.h"

namespace palvex::cli {
namespace {

using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

TEST(ValueParser, AcceptsDecimalHexPatternsAndWebColoursAndNothingElse) {
  const std::pair<const char*, std::int32_t> accepted[] = {
      {"-2147483633", static_cast<std::int32_t>(0x8000000Fu)}, {"+17", 17}, {"  255\t", 255},
      {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN}, {"0X8000000f", static_cast<std::int32_t>(0x8000000Fu)},
      {"0xFFFFFFFF", -1}, {"0x0000000000FF", 255},  // leading zeros are not significant
      {"#123456", 0x563412},  // red lands in the low byte
  };
  for (const auto& [text, value] : accepted) EXPECT_EQ(parseValue(text), value) << text;

  const std::pair<const char*, const char*> refused[] = {
      {"", "empty"}, {"   ", "empty"}, {"abc", "not a number"}, {"12abc", "not a number"}, {"1.5", "not a number"},
      {"-", "not a number"}, {"0x", "not a number"}, {"0xG1", "not a number"}, {"&HFF", "not a number"},
      {"2147483648", "32 bits"}, {"-2147483649", "32 bits"}, {"99999999999999999999999", "32 bits"},
      {"0x100000000", "32 bits"}, {"#FFF", "six hex digits"}, {"#GGHHII", "six hex digits"},
      {"#1234567", "six hex digits"},
  };
  for (const auto& [text, fragment] : refused)
    EXPECT_THAT([t = text] { parseValue(t); }, ThrowsMessage<UserError>(HasSubstr(fragment))) << text;
}

}  // namespace
}  // namespace palvex::cli
