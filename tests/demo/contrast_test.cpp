// Contrast: the WCAG ratio, the pair list and the check of a loaded theme.

#include "palvex/contrast.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "palvex/elements.h"
#include "palvex/globales.h"
#include "palvex/system_colours.h"
#include "palvex/tema.h"
#include "support/test_env.h"

namespace palvex::testing {
namespace {

// Colours are 0x00BBGGRR: 0x0000FF is red, 0xFF0000 blue.
TEST(ContrastRatio, KnownValues) {
  struct Case {
    std::int32_t a, b;
    double ratio;
  };
  const Case cases[] = {
      {0x000000, 0xFFFFFF, 21.0},
      {0xFFFFFF, 0x000000, 21.0},  // either order
      {0x123456, 0x123456, 1.0},
      {0x767676, 0xFFFFFF, 4.54},  // the lightest grey that reads on white
      {0x0000FF, 0xFFFFFF, 4.0},   // red: the channels weigh in the store's byte order
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << std::hex << c.a << " / " << c.b);
    const auto ratio = contrastRatio(c.a, c.b);
    ASSERT_TRUE(ratio.has_value());
    EXPECT_NEAR(*ratio, c.ratio, 0.01);
  }
}

TEST(ContrastRatio, SystemColoursAreResolvedAndNothingPaintableHasNoRatio) {
  installSystemColourResolver([](int index) -> std::optional<std::int32_t> {
    if (index == 15) return 0x000000;  // button face, painted black here
    return std::nullopt;
  });
  EXPECT_NEAR(*contrastRatio(systemColour(15), 0xFFFFFF), 21.0, 1e-9);
  EXPECT_FALSE(contrastRatio(static_cast<std::int32_t>(0x800000FFu), 0xFFFFFF));  // no such index
  EXPECT_FALSE(contrastRatio(0xFFFFFF, 0x01000000));                            // a top byte that is not a system colour
  installSystemColourResolver(nullptr);
}

TEST(ContrastRatio, ReadableTextOnPicksTheBetterOfBlackAndWhite) {
  EXPECT_EQ(readableTextOn(0x00FFFF), 0x000000);  // yellow
  EXPECT_EQ(readableTextOn(0xFF0000), 0xFFFFFF);  // pure blue
}

TEST(ContrastRatio, FormatCutsInsteadOfRounding) {
  EXPECT_EQ(formatRatio(21.0), "21.00:1");
  EXPECT_EQ(formatRatio(4.4999), "4.49:1");
  EXPECT_EQ(formatRatio(4.5), "4.50:1");
  EXPECT_EQ(formatRatio(3.216, true), "3,21:1");
}

TEST(ContrastPairs, EveryColourNamedIsAColourPropertyOfItsElement) {
  std::set<std::string_view> ids;
  for (const auto& pair : contrastPairs()) {
    SCOPED_TRACE(std::string(pair.id));
    EXPECT_TRUE(ids.insert(pair.id).second) << "ids are unique";
    EXPECT_FALSE(pair.what.empty());
    EXPECT_FALSE(pair.que.empty());
    for (const auto& ref : {pair.foreground, pair.background}) {
      const ElementTable* table = nullptr;
      for (const auto* candidate : elementTables())
        if (candidate->className == ref.className) table = candidate;
      ASSERT_NE(table, nullptr) << ref.className;
      bool found = false;
      for (const auto& row : table->properties)
        if (row.name == ref.property) found = row.width == PropertyWidth::Colour32;
      EXPECT_TRUE(found) << ref.className << "." << ref.property;
    }
  }
}

TEST(ContrastPairs, WhatEachElementPaintsTogether) {
  auto ids = [](std::string_view className) {
    std::string list;
    for (const auto* pair : contrastPairsOf(className)) list += std::string(list.empty() ? "" : " ") + std::string(pair->id);
    return list;
  };
  EXPECT_EQ(ids("ctext"), "text text-focused");  // case-blind, as the designer names elements
  // An element also takes the pairs it is only the background of.
  EXPECT_EQ(ids("CForm"), "check-caption check-mark label plain-check-disabled");
  for (const char* none : {"CTabStrip", "CToolBar", "CStatusBar", "CShape", "CButton"}) EXPECT_EQ(ids(none), "") << none;
}

TEST(ContrastCheck, PassesFromFourAndAHalfUp) {
  // Backgrounds white; foregrounds #767676 (4.54:1) but the label's #777777 (4.48:1).
  auto isBackground = [](const ThemeColourRef& ref) {
    for (const auto& pair : contrastPairs())
      if (pair.background == ref) return true;
    return false;
  };
  const auto checks = checkContrast([&](const ThemeColourRef& ref) -> std::int32_t {
    if (ref == ThemeColourRef{"CLabel", "foreColor"}) return 0x777777;
    return isBackground(ref) ? 0xFFFFFF : 0x767676;
  });
  ASSERT_EQ(checks.size(), contrastPairs().size());
  for (const auto& check : checks) {
    SCOPED_TRACE(std::string(check.pair->id));
    // The button's disabled back colour is also painted as text: white on white there.
    const bool expected = check.pair->id != "label" && check.pair->id != "plain-check-disabled";
    EXPECT_EQ(check.passes(), expected);
  }
  EXPECT_EQ(checkContrast([](const ThemeColourRef&) { return 0; }, "CLabel").size(), 1u);
}

using LoadedThemeCheck = EngineTest;

TEST_F(LoadedThemeCheck, ReadsTheSharedElementsWithUnsavedEditsAndTheWarningNamesTheFailures) {
  auto tema = Tema::create();
  tema->setTema("Prueba");
  globales::setReloadElements(false);  // as the designer does: edits stay on the shared instances
  auto text = globales::sharedText();
  text->setForeColor(0x000000);
  text->setBackColor(0xFFFFFF);
  text->setForeColorFocused(0xFFFFFF);
  text->setBackColorFocused(0xFFFFFF);

  const auto checks = checkLoadedTheme("CText");
  ASSERT_EQ(checks.size(), 2u);
  EXPECT_EQ(checks[0].foreground, 0x000000);
  EXPECT_NEAR(*checks[0].ratio, 21.0, 1e-9);
  EXPECT_TRUE(checks[0].passes());
  EXPECT_FALSE(checks[1].passes());
  EXPECT_EQ(avisoContraste(checks),
            "Contraste por debajo de 4,5:1 en:\ntexto del campo con el foco sobre su fondo: 1,00:1");

  text->setForeColorFocused(0x000000);
  EXPECT_EQ(avisoContraste(checkLoadedTheme("CText")), "");
  EXPECT_EQ(checkLoadedTheme().size(), contrastPairs().size());
}

}  // namespace
}  // namespace palvex::testing
