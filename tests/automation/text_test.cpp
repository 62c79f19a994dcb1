#include "palvex/text.h"

#include <gtest/gtest.h>

namespace palvex::text {
namespace {

TEST(TextTest, UpperMapsEveryLetter) {
  EXPECT_EQ(upper("año"), "AÑO");
  EXPECT_EQ(upper("azul claro é"), "AZUL CLARO É");
  EXPECT_EQ(upper("ωmega"), "ΩMEGA");
  EXPECT_EQ(upper(std::string("a\xff" "b")), std::string("A\xff" "B"));  // invalid byte kept
}

TEST(TextTest, CaseBlindComparisonKeepsAccents) {
  struct Case { const char* a; const char* b; bool equal; };
  const Case cases[] = {
      {"backColor", "BackColor", true}, {"ForeColorFixed", "foreColorFixed", true},
      {"Señal", "SEÑAL", true},         {"é", "É", true},
      {"é", "e", false},                {"Color", "Colour", false},
      {"", "", true},
  };
  for (const auto& c : cases) EXPECT_EQ(equalsIgnoreCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
}

TEST(TextTest, ContainsAndHashAgreeWithEquality) {
  EXPECT_TRUE(containsIgnoreCase("mi themeOverride aquí", "THEMEOVERRIDE"));
  EXPECT_TRUE(containsIgnoreCase("xThEmEoVeRrIdE", "THEMEOVERRIDE"));
  EXPECT_FALSE(containsIgnoreCase("THEME OVERRIDE", "THEMEOVERRIDE"));
  EXPECT_FALSE(containsIgnoreCase("", "THEMEOVERRIDE"));
  CaseInsensitiveHash h;
  EXPECT_EQ(h("backColorFocused"), h("BACKCOLORFOCUSED"));
  EXPECT_EQ(h("pestaña"), h("PESTAÑA"));
}

TEST(TextTest, TrimRemovesSpacesOnly) {
  EXPECT_EQ(trimSpaces("  Azul claro "), "Azul claro");
  EXPECT_EQ(trimSpaces("\tx\t"), "\tx\t");
  EXPECT_EQ(trimSpaces("   "), "");
}

}  // namespace
}  // namespace palvex::text
