// System colours: names and defaults by index, and the installed resolver a
// binding answers through. The names as a user reads them are the palvex
// tool's show to pin.

#include <gtest/gtest.h>

#include "palvex/system_colours.h"

namespace palvex {
namespace {

class SystemColoursTest : public ::testing::Test {
 protected:
  ~SystemColoursTest() override { installSystemColourResolver(nullptr); }
};

TEST_F(SystemColoursTest, OnlyTheUsedIndexesOfTheSystemBitAreSystemColours) {
  EXPECT_EQ(resolveColour(systemColour(30)), 0xF0F0F0) << "menu bar, the last";
  for (std::uint32_t colour : {0x80000019u, 0x8000001Fu, 0x80FF000Fu, 0x01000000u})
    EXPECT_EQ(resolveColour(static_cast<std::int32_t>(colour)), std::nullopt) << std::hex << colour;
  EXPECT_EQ(systemColourIndex(0x404040), std::nullopt);
}

TEST_F(SystemColoursTest, ResolverAnswersFirstAndInstallingItIsAChange) {
  int heard = 0;
  const SystemColourListenerId listener = addSystemColourListener([&] { ++heard; });
  installSystemColourResolver([](int index) -> std::optional<std::int32_t> {
    if (index == 15) return 0x7F112233;  // a top byte is ignored
    return std::nullopt;
  });
  removeSystemColourListener(listener);
  EXPECT_EQ(heard, 1);
  EXPECT_EQ(resolveColour(systemColour(15)), 0x112233);
  EXPECT_EQ(resolveColour(systemColour(5)), 0xFFFFFF);
  EXPECT_EQ(resolveColour(0x00ABCDEF), 0x00ABCDEF) << "plain colours never reach the resolver";
}

}  // namespace
}  // namespace palvex
