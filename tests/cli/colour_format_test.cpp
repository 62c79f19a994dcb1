#include "colour_format.h"

#include <gtest/gtest.h>

namespace palvex::cli {
namespace {

constexpr std::int32_t system(std::uint32_t bits) { return static_cast<std::int32_t>(bits); }

TEST(ColourFormat, HexKeepsTheStoreByteOrder) {
  EXPECT_EQ(hexColour(0x404040), "0x404040");
  EXPECT_EQ(hexColour(0xCD7407), "0xCD7407");
  EXPECT_EQ(hexColour(0xFF), "0x0000FF");
  EXPECT_EQ(hexColour(0), "0x000000");
  EXPECT_EQ(hexColour(0x1000000), "0x1000000");
  EXPECT_EQ(hexColour(system(0x8000000F)), "0x8000000F");
  EXPECT_EQ(hexColour(-1), "0xFFFFFFFF");
}

TEST(ColourFormat, NamesSystemColoursOnly) {
  EXPECT_EQ(systemColourName(system(0x8000000F)), "button face");
  EXPECT_EQ(systemColourName(system(0x80000000)), "scroll bar");
  EXPECT_EQ(systemColourName(system(0x8000001E)), "menu bar");
  EXPECT_EQ(systemColourName(system(0x80000019)), std::nullopt);  // index 25 is unused
  EXPECT_EQ(systemColourName(system(0x8000001F)), std::nullopt);
  EXPECT_EQ(systemColourName(system(0x8000010F)), std::nullopt);
  EXPECT_EQ(systemColourName(0x0F), std::nullopt);
  EXPECT_EQ(systemColourName(-1), std::nullopt);
}

TEST(ColourFormat, SwatchPaintsRedFromTheLowByte) {
  EXPECT_EQ(swatch(0x0000FF), "\x1b[48;2;255;0;0m  \x1b[0m");
  EXPECT_EQ(swatch(0xCD7407), "\x1b[48;2;7;116;205m  \x1b[0m");
  EXPECT_EQ(swatch(system(0x8000000F)), "\x1b[48;2;240;240;240m  \x1b[0m");
  EXPECT_EQ(swatch(system(0x80000001)), "  ");  // the desktop colour has no usual look
  EXPECT_EQ(swatch(0x1000000), "  ");
}

}  // namespace
}  // namespace palvex::cli
