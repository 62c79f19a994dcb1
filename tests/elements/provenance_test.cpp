// Where each value of any theme comes from, through the public headers.

#include "palvex/provenance.h"

#include "palvex/elements.h"
#include "palvex/globales.h"
#include "palvex/tema.h"
#include "support/test_env.h"
#include "support/watched_store.h"

namespace palvex {
namespace {

class ProvenanceTest : public testing::EngineTest {
 protected:
  void storeValue(const std::string& theme, const char* word, const char* key, const std::string& value) {
    store().write(kAppName, elementSection(theme, word), key, value);
  }
  static const PropertyProvenance& property(const std::vector<ElementProvenance>& elements, std::size_t slot,
                                            std::size_t index) {
    return elements.at(slot).properties.at(index);
  }
};

TEST_F(ProvenanceTest, EveryValueOfAnyThemeWithItsSourceAndTheEngineLeftAlone) {
  auto tema = Tema::create();
  auto label = globales::sharedLabel();
  storeValue("Oscuro", "FORM", "BackColor", "1,5");  // read as the engine reads it: 2
  storeValue("Oscuro", "LABEL", "foreColor", "7");
  storeValue("Oscuro", "BUTTON", "TabBackColor", "9");
  storeValue("Default", "FORM", "MenuColor", "11");  // another theme's value stays out
  writeIni("[Palvex\\Oscuro\\LABEL]\nforeColor=&HFF\n[Palvex\\Oscuro\\FORM]\nMenuColor=\n");

  const auto elements = themeProvenance("oscuro");
  ASSERT_EQ(elements.size(), 10u);
  for (std::size_t slot = 0; slot < elements.size(); ++slot) {
    EXPECT_EQ(elements[slot].table, elementTables()[slot]);
    EXPECT_EQ(elements[slot].properties.size(), elementTables()[slot]->properties.size());
    EXPECT_FALSE(elements[slot].error.has_value());
  }
  const std::tuple<std::size_t, std::size_t, std::int32_t, SettingSource> expected[] = {
      {8, CForm::kBackColor, 2, SettingSource::Store},
      {8, CForm::kMenuColor, 0xEED9D0, SettingSource::Default},  // an empty override value locks nothing
      {5, CLabel::kForeColor, 255, SettingSource::Ini},
      {3, CTabStrip::kTabBackColor, 9, SettingSource::Store},
      {0, CCommandButton::kBackColor, 0xCD7407, SettingSource::Default},
  };
  for (const auto& [slot, index, value, source] : expected) {
    const auto& p = property(elements, slot, index);
    EXPECT_EQ(p.row, &elementTables()[slot]->properties[index]);
    EXPECT_EQ(p.value, value) << p.row->name;
    EXPECT_EQ(p.source, source) << p.row->name;
  }

  EXPECT_EQ(tema->getTema(), "Default");
  EXPECT_EQ(globales::sharedLabel(), label);
  EXPECT_EQ(label->foreColor(), 0x404040);
}

TEST_F(ProvenanceTest, AnElementThatCannotLoadCarriesItsErrorAndTheOthersAreRead) {
  storeValue("Oscuro", "GRID", "borderStyle", "40000");
  storeValue("Oscuro", "TEXT", "BackColor", "99999999999");
  storeValue("Oscuro", "SHAPE", "BorderColor", "5");
  const auto elements = themeProvenance("Oscuro");
  for (std::size_t slot : {1u, 2u}) {
    ASSERT_TRUE(elements[slot].error.has_value()) << slot;
    EXPECT_EQ(elements[slot].error->number(), ErrorNumber::Overflow);
    EXPECT_TRUE(elements[slot].properties.empty());
  }
  EXPECT_NE(std::string(elements[1].error->what()).find("CGrid.borderStyle cannot hold 40000"), std::string::npos);
  EXPECT_EQ(property(elements, 9, 0).value, 5);
}

// An import landing while a theme is read shows all old or all new values,
// never some of each: the reader sees one snapshot of the store.
TEST_F(ProvenanceTest, AThemeIsReadInOneViewOfTheStore) {
  const auto file = dir_ / "settings.sqlite";
  auto reader = std::make_shared<testing::WatchedStore>(openSqliteStore(file));
  auto writer = openSqliteStore(file);
  installSettingsStore(reader);
  for (const char* word : {"BUTTON", "GRID", "TEXT", "CHECK", "LABEL", "TOOLBAR", "STATUSBAR", "FORM", "SHAPE"})
    writer->write(kAppName, elementSection("Oscuro", word), "foreColor", "1");
  writer->write(kAppName, elementSection("Oscuro", "SHAPE"), "BorderColor", "1");
  reader->beforeEnumerate = [&](const std::string& section) {
    if (!section.ends_with("\\GRID")) return;
    writer->transaction([&] {
      writer->write(kAppName, elementSection("Oscuro", "LABEL"), "foreColor", "2");
      writer->write(kAppName, elementSection("Oscuro", "SHAPE"), "BorderColor", "2");
    });
  };

  const auto during = themeProvenance("Oscuro");
  EXPECT_EQ(property(during, 5, CLabel::kForeColor).value, 1);
  EXPECT_EQ(property(during, 9, CShape::kBorderColor).value, 1);
  reader->beforeEnumerate = nullptr;
  const auto after = themeProvenance("Oscuro");
  EXPECT_EQ(property(after, 5, CLabel::kForeColor).value, 2);
  EXPECT_EQ(property(after, 9, CShape::kBorderColor).value, 2);
}

TEST_F(ProvenanceTest, TheOverrideFilesOwnValueShowsWhatTheFileLocks) {
  EXPECT_EQ(overrideFileValue("Oscuro", "LABEL", "foreColor"), std::nullopt) << "no file";
  writeIni("[Palvex\\Oscuro\\LABEL]\nforeColor=&HFF\nvacio=\nenorme=1E300\nlargo=99999999999\n");
  const std::tuple<const char*, const char*, std::optional<std::int32_t>> cases[] = {
      {"FORECOLOR", "&HFF", 255}, {"enorme", "1E300", std::nullopt}, {"largo", "99999999999", std::nullopt}};
  for (const auto& [key, text, value] : cases) {
    auto entry = overrideFileValue("oscuro", "label", key);
    ASSERT_TRUE(entry.has_value()) << key;
    EXPECT_EQ(entry->text, text);
    EXPECT_EQ(entry->value, value) << key;
  }
  for (const char* key : {"vacio", "ausente"}) EXPECT_EQ(overrideFileValue("Oscuro", "LABEL", key), std::nullopt) << key;
  EXPECT_EQ(overrideFileValue("Claro", "LABEL", "foreColor"), std::nullopt);
}

}  // namespace
}  // namespace palvex
