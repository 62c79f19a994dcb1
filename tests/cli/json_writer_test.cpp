#include "json_writer.h"

#include <gtest/gtest.h>

namespace palvex::cli {
namespace {

TEST(JsonWriter, QuotesEscapesAndKeepsUtf8) {
  EXPECT_EQ(jsonQuote("Azul claro"), R"("Azul claro")");
  EXPECT_EQ(jsonQuote("a\"b\\c"), R"("a\"b\\c")");
  EXPECT_EQ(jsonQuote("tab\there\nnl"), R"("tab\there\nnl")");
  EXPECT_EQ(jsonQuote(std::string("\x01\x1f", 2)), R"("\u0001\u001f")");
  EXPECT_EQ(jsonQuote("Añil é"), "\"Añil é\"");
}

}  // namespace
}  // namespace palvex::cli
