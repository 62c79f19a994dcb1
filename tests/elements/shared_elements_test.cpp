// The shared element accessors: one instance until reloadElements is set,
// then a fresh one per call; a failed creation keeps the slot as it was.

#include <functional>

#include <gtest/gtest.h>

#include "element_test_support.h"

namespace palvex {
namespace {

using Accessor = std::function<std::shared_ptr<Element>()>;

std::vector<std::pair<std::string_view, Accessor>> accessors() {
  using namespace globales;
  return {
      {"CCommandButton", [] { return sharedButton(); }}, {"CGrid", [] { return sharedGrid(); }},
      {"CText", [] { return sharedText(); }},            {"CTabStrip", [] { return sharedTabStrip(); }},
      {"CCheckBox", [] { return sharedCheckBox(); }},    {"CLabel", [] { return sharedLabel(); }},
      {"CToolBar", [] { return sharedToolBar(); }},      {"CStatusBar", [] { return sharedStatusBar(); }},
      {"CForm", [] { return sharedForm(); }},            {"CShape", [] { return sharedShape(); }},
  };
}

class SharedElementsTest : public testing::ElementTest {};

TEST_F(SharedElementsTest, EachAccessorFillsItsOwnSlotOnce) {
  const auto all = accessors();
  for (std::size_t slot = 0; slot < all.size(); ++slot) {
    const auto& [className, accessor] = all[slot];
    auto first = accessor();
    EXPECT_EQ(first->typeName(), className);
    EXPECT_EQ(globales::state().sharedElements[slot], first) << className;
    EXPECT_EQ(accessor(), first) << className;
  }
}

TEST_F(SharedElementsTest, ReloadGivesAFreshInstancePerCallAndStaysSet) {
  auto kept = globales::sharedLabel();
  kept->setForeColor(1);  // an unsaved edit
  globales::state().reloadElements = true;
  auto fresh = globales::sharedLabel();
  auto another = globales::sharedLabel();
  EXPECT_NE(fresh, kept);
  EXPECT_NE(another, fresh);
  EXPECT_EQ(another->foreColor(), 0x404040);
  EXPECT_TRUE(globales::state().reloadElements);

  globales::state().reloadElements = false;
  EXPECT_EQ(globales::sharedLabel(), another);
}

TEST_F(SharedElementsTest, FreshInstancesReadTheCurrentTheme) {
  EXPECT_EQ(globales::sharedForm()->BackColor(), 0xEED9D0);
  tema_->setTema("Oscuro");
  storeValue("FORM", "BackColor", "4210752");
  EXPECT_EQ(globales::sharedForm()->BackColor(), 0x404040);
}

TEST_F(SharedElementsTest, FailedCreationKeepsThePreviousElement) {
  storeValue("GRID", "borderStyle", "40000");
  EXPECT_PALVEX_ERROR(globales::sharedGrid(), ErrorNumber::Overflow, "");
  EXPECT_EQ(globales::state().sharedElements[1], nullptr);

  storeValue("GRID", "borderStyle", "1");
  auto grid = globales::sharedGrid();
  storeValue("GRID", "borderStyle", "40000");
  globales::state().reloadElements = true;
  EXPECT_PALVEX_ERROR(globales::sharedGrid(), ErrorNumber::Overflow, "");
  EXPECT_EQ(globales::state().sharedElements[1], grid);
  EXPECT_EQ(grid->borderStyle(), 1);
}

}  // namespace
}  // namespace palvex
