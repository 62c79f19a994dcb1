// Where each value of any theme comes from, through the public headers.

#include "palvex/provenance.h"

#include "palvex/elements.h"
#include "support/test_env.h"
#include "support/watched_store.h"

namespace palvex {
namespace {

class ProvenanceTest : public testing::EngineTest {};

TEST_F(ProvenanceTest, EachValueHasItsSourceAndAnElementThatCannotLoadItsError) {
  store().write(kAppName, elementSection("Oscuro", "FORM"), "BackColor", "1,5");  // read as the engine reads it: 2
  store().write(kAppName, elementSection("Oscuro", "GRID"), "borderStyle", "40000");
  writeIni("[Palvex\\Oscuro\\LABEL]\nforeColor=&HFF\nlargo=99999999999\n");
  const auto elements = themeProvenance("oscuro");
  const auto& form = elements.at(8).properties;
  EXPECT_EQ(form.at(CForm::kBackColor).value, 2);
  EXPECT_EQ(form.at(CForm::kBackColor).source, SettingSource::Store);
  EXPECT_EQ(elements.at(5).properties.at(CLabel::kForeColor).source, SettingSource::Ini);
  ASSERT_TRUE(elements.at(1).error.has_value());
  EXPECT_THAT(elements.at(1).error->what(), ::testing::HasSubstr("CGrid.borderStyle cannot hold 40000"));
  // What the override file locks, as text and as a colour when it is one.
  EXPECT_EQ(overrideFileValue("oscuro", "label", "FORECOLOR")->value, 255);
  EXPECT_EQ(overrideFileValue("Oscuro", "LABEL", "largo")->value, std::nullopt);
  EXPECT_EQ(overrideFileValue("Oscuro", "LABEL", "ausente"), std::nullopt);
}

// An import landing while a theme is read shows all old or all new values,
// never some of each: the reader sees one snapshot of the store.
TEST_F(ProvenanceTest, AThemeIsReadInOneViewOfTheStore) {
  const auto file = dir_ / "settings.sqlite";
  auto reader = std::make_shared<testing::WatchedStore>(openSqliteStore(file));
  auto writer = openSqliteStore(file);
  installSettingsStore(reader);
  writer->write(kAppName, elementSection("Oscuro", "LABEL"), "foreColor", "1");
  writer->write(kAppName, elementSection("Oscuro", "SHAPE"), "BorderColor", "1");
  reader->beforeEnumerate = [&](const std::string& section) {
    if (!section.ends_with("\\GRID")) return;
    writer->transaction([&] {
      writer->write(kAppName, elementSection("Oscuro", "LABEL"), "foreColor", "2");
      writer->write(kAppName, elementSection("Oscuro", "SHAPE"), "BorderColor", "2");
    });
  };
  // The label's and the shape's values, read in the slots after the grid's.
  auto values = [] {
    const auto elements = themeProvenance("Oscuro");
    return std::pair(elements.at(5).properties.at(CLabel::kForeColor).value,
                     elements.at(9).properties.at(CShape::kBorderColor).value);
  };

  EXPECT_EQ(values(), std::pair(1, 1));
  reader->beforeEnumerate = nullptr;
  EXPECT_EQ(values(), std::pair(2, 2));
}

}  // namespace
}  // namespace palvex
