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

const ValueRow kAccepted[] = {
    {{"-2147483633"}, static_cast<std::int32_t>(0x8000000Fu)}, {{"+17"}, 17}, {{"  255\t"}, 255},
    {{"2147483647"}, INT32_MAX}, {{"-2147483648"}, INT32_MIN}, {{"0X8000000f"}, static_cast<std::int32_t>(0x8000000Fu)},
    {{"0xFFFFFFFF"}, -1}, {{"0x0000000000FF"}, 255},  // leading zeros are not significant
    {{"#123456"}, 0x563412},  // red lands in the low byte
};
const ValueRow kRefused[] = {
    {{""}, {}, "empty"}, {{"   "}, {}, "empty"}, {{"abc"}, {}, "not a number"}, {{"12abc"}, {}, "not a number"},
    {{"1.5"}, {}, "not a number"}, {{"-"}, {}, "not a number"}, {{"0x"}, {}, "not a number"},
    {{"0xG1"}, {}, "not a number"}, {{"&HFF"}, {}, "not a number"}, {{"2147483648"}, {}, "32 bits"},
    {{"-2147483649"}, {}, "32 bits"}, {{"99999999999999999999999"}, {}, "32 bits"}, {{"0x100000000"}, {}, "32 bits"},
    {{"#FFF"}, {}, "six hex digits"}, {{"#GGHHII"}, {}, "six hex digits"}, {{"#1234567"}, {}, "six hex digits"},
};
INSTANTIATE_TEST_SUITE_P(Accepted, ValueParser, ::testing::ValuesIn(kAccepted), testing::RowName());
INSTANTIATE_TEST_SUITE_P(Refused, ValueParser, ::testing::ValuesIn(kRefused), testing::RowName());

}  // namespace
}  // namespace palvex::cli
