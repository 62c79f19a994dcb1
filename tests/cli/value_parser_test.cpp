#include "value_parser.h"

#include <optional>

#include "support/test_env.h"
#include "user_error.h"

namespace palvex::cli {
namespace {

// A value as typed, and what it gives: a 32-bit value, or a refusal holding `refusal`.
struct ValueRow : testing::NamedRow {
  std::optional<std::int32_t> value;
  const char* refusal = "";
};

class ValueParser : public ::testing::TestWithParam<ValueRow> {};

TEST_P(ValueParser, AcceptsDecimalHexPatternsAndWebColoursAndNothingElse) {
  const auto& row = GetParam();
  if (row.value)
    EXPECT_EQ(parseValue(row.name), *row.value);
  else
    EXPECT_THAT([&] { parseValue(row.name); }, testing::ThrowsError<UserError>(row.refusal));
}

// One row per branch of the parser.
const ValueRow kAccepted[] = {
    {{"+17"}, 17}, {{"  255\t"}, 255}, {{"2147483647"}, INT32_MAX}, {{"-2147483648"}, INT32_MIN},
    {{"0X8000000f"}, static_cast<std::int32_t>(0x8000000Fu)},
    {{"0x0000000000FF"}, 255},  // leading zeros are not significant
    {{"#123456"}, 0x563412},    // red lands in the low byte
};
const ValueRow kRefused[] = {
    {{"   "}, {}, "empty"}, {{"12abc"}, {}, "not a number"}, {{"-"}, {}, "not a number"},
    {{"0xG1"}, {}, "not a number"}, {{"2147483648"}, {}, "32 bits"}, {{"-2147483649"}, {}, "32 bits"},
    {{"99999999999999999999999"}, {}, "32 bits"}, {{"0x100000000"}, {}, "32 bits"},
    {{"#FFF"}, {}, "six hex digits"}, {{"#GGHHII"}, {}, "six hex digits"},
};
INSTANTIATE_TEST_SUITE_P(Accepted, ValueParser, ::testing::ValuesIn(kAccepted), testing::RowName());
INSTANTIATE_TEST_SUITE_P(Refused, ValueParser, ::testing::ValuesIn(kRefused), testing::RowName());

}  // namespace
}  // namespace palvex::cli
