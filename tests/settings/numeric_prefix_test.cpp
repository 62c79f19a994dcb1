#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "palvex/settings.h"
#include "support/test_env.h"

namespace palvex {
namespace {

struct PrefixCase {
  std::string text;
  std::int64_t scaled;  // expected value × 10,000
};

TEST(NumericPrefix, ReadsTheClassicPrefixAndOverflowsPastFixedPoint) {
  const PrefixCase cases[] = {
      // Decimal
      {"4210752", 42107520000}, {"-2147483633", -21474836330000}, {"+7", 70000}, {"3.5", 35000}, {".25", 2500},
      {"-.5", -5000}, {"7.", 70000}, {"1.5.3", 15000}, {"12abc", 120000}, {"1,5", 10000}, {"0042", 420000},
      // No number
      {"", 0}, {"abc", 0}, {"-", 0}, {".", 0}, {"E5", 0}, {"--1", 0}, {"-&H10", 0}, {"&", 0}, {"&Z1", 0},
      {"&H", 0}, {"\r1", 0},
      // Blanks skipped anywhere
      {" 1 2 ", 120000}, {"  1615 198th Street", 16151980000}, {"\t-\n3 . 2 5", -32500}, {"1 E 2", 1000000},
      {"& h f f", 2550000},
      // Exponent
      {"1E2", 1000000}, {"1e+2", 1000000}, {"1D2", 1000000}, {"25d-1", 25000}, {"1E", 10000}, {"1E+", 10000},
      {"1Ex5", 10000}, {"2.5E-4", 2}, {"0E999999999999", 0}, {"1E-999999999999", 0},
      // Rounded half to even at the fifth decimal, computed from the digits
      {"0.00005", 0}, {"0.00015", 2}, {"0.000050000000000000001", 1}, {"0.00004999999999999999", 0},
      {"-0.00015", -2}, {"0.00000000000000000000009", 0}, {"1.23456", 12346}, {"922337203685477.5807", INT64_MAX},
      {"-922337203685477.5808", INT64_MIN}, {"922337203685477.58065", INT64_MAX - 1},
      {"0.000000000000000000000000000000000000000000015E43", 1500}, {"123456789012345678901234567890E-25", 123456789},
      // Radix literals with the 16/32-bit rule
      {"&HFF", 2550000}, {"&hff", 2550000}, {"&H8000", -327680000}, {"&HFFFF", -10000}, {"&H10000", 655360000},
      {"&H8000000F", -21474836330000}, {"&HFFFFFFFF", -10000}, {"&HFG", 150000}, {"&H0000FFFF", -10000},
      {"&H00000000FFFFFFFF", -10000}, {"&O17", 150000}, {"&o177777", -10000}, {"&O200000", 655360000}, {"&O8", 0},
  };
  for (const PrefixCase& c : cases) EXPECT_EQ(numericPrefix(c.text).scaled(), c.scaled) << '"' << c.text << '"';
  for (const char* text : {"922337203685477.5808", "-922337203685477.5809", "922337203685477.58075", "1E300",
                           "-1E19", "99999999999999999999", "&H100000000", "&O40000000000"})
    EXPECT_PALVEX_ERROR(numericPrefix(text), ErrorNumber::Overflow, text);
}

}  // namespace
}  // namespace palvex
