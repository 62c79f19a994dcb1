// Case mapping for every letter. Containment, trimming and hashing are
// exercised through the override marker, the INI reader and the stores.

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
                        Case{"é", "e", false}, Case{"Color", "Colour", false}, Case{"", "", true}})
    EXPECT_EQ(equalsIgnoreCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
}

}  // namespace
}  // namespace palvex::text
