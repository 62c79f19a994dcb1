// System colours: names and defaults by index, the installed resolver, and
// the change notification a binding relies on to repaint.

#include <gtest/gtest.h>

#include "palvex/system_colours.h"

namespace palvex {
namespace {

class SystemColoursTest : public ::testing::Test {
 protected:
  ~SystemColoursTest() override { installSystemColourResolver(nullptr); }
};

TEST_F(SystemColoursTest, IndexNameAndDefault) {
  struct Row {
    std::int32_t colour;
    std::optional<int> index;
    std::optional<std::string_view> name;
    std::optional<std::int32_t> resolved;
  };
  const Row rows[] = {
      {static_cast<std::int32_t>(0x8000001E), 30, "menu bar", 0xF0F0F0},  // the last
      {static_cast<std::int32_t>(0x80000019), 25, std::nullopt, std::nullopt},  // unused index
      {static_cast<std::int32_t>(0x8000001F), 31, std::nullopt, std::nullopt},  // past the last
      {static_cast<std::int32_t>(0x80FF000F), std::nullopt, std::nullopt, std::nullopt},
      {0x404040, std::nullopt, std::nullopt, 0x404040},
      {static_cast<std::int32_t>(0x01000000), std::nullopt, std::nullopt, std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.colour);
    EXPECT_EQ(systemColourIndex(row.colour), row.index);
    if (row.index) {
      EXPECT_EQ(systemColourName(*row.index), row.name);
    }
    EXPECT_EQ(resolveColour(row.colour), row.resolved);
  }
  EXPECT_EQ(systemColour(15), static_cast<std::int32_t>(0x8000000F));
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
