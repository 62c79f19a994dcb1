#include "json_writer.h"

#include <gtest/gtest.h>

namespace palvex::cli {
namespace {

TEST(JsonWriter, NestsObjectsAndArraysWithSeparators) {
  JsonWriter json;
  json.beginObject().key("theme").value("Default").key("elements").beginArray();
  json.beginObject().key("class").value("CForm").key("values").beginArray().value(1).value(-2).endArray().endObject();
  json.beginObject().key("empty").beginArray().endArray().endObject();
  json.endArray().endObject();
  EXPECT_EQ(json.str(),
            R"({"theme": "Default", "elements": [{"class": "CForm", "values": [1, -2]}, {"empty": []}]})");
}

TEST(JsonWriter, EmptyTopLevelArray) {
  JsonWriter json;
  json.beginArray().endArray();
  EXPECT_EQ(json.str(), "[]");
}

TEST(JsonWriter, QuotesEscapesAndKeepsUtf8) {
  EXPECT_EQ(jsonQuote("Azul claro"), R"("Azul claro")");
  EXPECT_EQ(jsonQuote("a\"b\\c"), R"("a\"b\\c")");
  EXPECT_EQ(jsonQuote("tab\there\nnl"), R"("tab\there\nnl")");
  EXPECT_EQ(jsonQuote(std::string("\x01\x1f", 2)), R"("\u0001\u001f")");
  EXPECT_EQ(jsonQuote("Añil é"), "\"Añil é\"");
}

}  // namespace
}  // namespace palvex::cli
