#include "palvex/text.h"

#include <gtest/gtest.h>

namespace palvex::text {
namespace {

TEST(TextTest, CaseMapsEveryLetterButKeepsAccents) {
  EXPECT_EQ(upper("azul claro é año"), "AZUL CLARO É AÑO");
  EXPECT_EQ(upper("ωmega"), "ΩMEGA");
  EXPECT_EQ(upper(std::string("a\xff" "b")), std::string("A\xff" "B"));  // invalid byte kept
  struct Case { const char* a; const char* b; bool equal; };
  for (const Case& c : {Case{"ForeColorFixed", "foreColorFixed", true}, Case{"Señal", "SEÑAL", true},
                        Case{"é", "É", true}, Case{"é", "e", false}, Case{"Color", "Colour", false}, Case{"", "", true}})
    EXPECT_EQ(equalsIgnoreCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
  CaseInsensitiveHash h;
  EXPECT_EQ(h("pestaña"), h("PESTAÑA"));
}

TEST(TextTest, ContainsIgnoresCaseAndTrimRemovesSpacesOnly) {
  EXPECT_TRUE(containsIgnoreCase("mi themeOverride aquí", "THEMEOVERRIDE"));
  EXPECT_TRUE(containsIgnoreCase("xThEmEoVeRrIdE", "THEMEOVERRIDE"));
  EXPECT_FALSE(containsIgnoreCase("THEME OVERRIDE", "THEMEOVERRIDE"));
  EXPECT_FALSE(containsIgnoreCase("", "THEMEOVERRIDE"));
  EXPECT_EQ(trimSpaces("  Azul claro "), "Azul claro");
  EXPECT_EQ(trimSpaces("\tx\t"), "\tx\t");
  EXPECT_EQ(trimSpaces("   "), "");
}

}  // namespace
}  // namespace palvex::text
