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

void PrintTo(const PrefixCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class NumericPrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(NumericPrefix, ReadsTheClassicPrefix) {
  EXPECT_EQ(numericPrefix(GetParam().text).scaled(), GetParam().scaled);
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, NumericPrefix,
    ::testing::Values(PrefixCase{"4210752", 42107520000}, PrefixCase{"-2147483633", -21474836330000},
                      PrefixCase{"+7", 70000}, PrefixCase{"3.5", 35000}, PrefixCase{".25", 2500},
                      PrefixCase{"-.5", -5000}, PrefixCase{"7.", 70000}, PrefixCase{"1.5.3", 15000},
                      PrefixCase{"12abc", 120000}, PrefixCase{"1,5", 10000}, PrefixCase{"0042", 420000}));

INSTANTIATE_TEST_SUITE_P(
    NoNumber, NumericPrefix,
    ::testing::Values(PrefixCase{"", 0}, PrefixCase{"abc", 0}, PrefixCase{"-", 0}, PrefixCase{".", 0},
                      PrefixCase{"E5", 0}, PrefixCase{"--1", 0}, PrefixCase{"-&H10", 0}, PrefixCase{"&", 0},
                      PrefixCase{"&Z1", 0}, PrefixCase{"&H", 0}, PrefixCase{"\r1", 0}));

INSTANTIATE_TEST_SUITE_P(
    BlanksSkippedAnywhere, NumericPrefix,
    ::testing::Values(PrefixCase{" 1 2 ", 120000}, PrefixCase{"  1615 198th Street", 16151980000},
                      PrefixCase{"\t-\n3 . 2 5", -32500}, PrefixCase{"1 E 2", 1000000},
                      PrefixCase{"& h f f", 2550000}));

INSTANTIATE_TEST_SUITE_P(
    Exponent, NumericPrefix,
    ::testing::Values(PrefixCase{"1E2", 1000000}, PrefixCase{"1e+2", 1000000}, PrefixCase{"1D2", 1000000},
                      PrefixCase{"25d-1", 25000}, PrefixCase{"1E", 10000}, PrefixCase{"1E+", 10000},
                      PrefixCase{"1Ex5", 10000}, PrefixCase{"2.5E-4", 2}, PrefixCase{"0E999999999999", 0},
                      PrefixCase{"1E-999999999999", 0}));

// Rounded half to even at the fifth decimal, computed from the digits.
INSTANTIATE_TEST_SUITE_P(
    FixedPointRounding, NumericPrefix,
    ::testing::Values(PrefixCase{"0.00005", 0}, PrefixCase{"0.00015", 2}, PrefixCase{"0.000050000000000000001", 1},
                      PrefixCase{"0.00004999999999999999", 0}, PrefixCase{"-0.00015", -2},
                      PrefixCase{"0.00000000000000000000009", 0}, PrefixCase{"1.23456", 12346},
                      PrefixCase{"922337203685477.5807", INT64_MAX},
                      PrefixCase{"-922337203685477.5808", INT64_MIN},
                      PrefixCase{"922337203685477.58065", INT64_MAX - 1},
                      PrefixCase{"0.000000000000000000000000000000000000000000015E43", 1500},
                      PrefixCase{"123456789012345678901234567890E-25", 123456789}));

INSTANTIATE_TEST_SUITE_P(
    RadixLiterals, NumericPrefix,
    ::testing::Values(PrefixCase{"&HFF", 2550000}, PrefixCase{"&hff", 2550000}, PrefixCase{"&H8000", -327680000},
                      PrefixCase{"&HFFFF", -10000}, PrefixCase{"&H10000", 655360000},
                      PrefixCase{"&H8000000F", -21474836330000}, PrefixCase{"&HFFFFFFFF", -10000},
                      PrefixCase{"&HFG", 150000}, PrefixCase{"&H0000FFFF", -10000},
                      PrefixCase{"&H00000000FFFFFFFF", -10000}, PrefixCase{"&O17", 150000},
                      PrefixCase{"&o177777", -10000}, PrefixCase{"&O200000", 655360000},
                      PrefixCase{"&O8", 0}));

TEST(NumericPrefixRange, OutOfFixedPointRangeIsOverflow) {
  for (const char* text : {"922337203685477.5808", "-922337203685477.5809", "922337203685477.58075", "1E300",
                           "-1E19", "99999999999999999999", "&H100000000", "&O40000000000"}) {
    SCOPED_TRACE(text);
    EXPECT_PALVEX_ERROR(numericPrefix(text), ErrorNumber::Overflow, text);
  }
}

}  // namespace
}  // namespace palvex
