// Where each value of any theme comes from, through the public headers. What
// each value and source is the palvex tool's show pins; here, that a theme is
// read in one view of the store.

#include "palvex/provenance.h"

#include "palvex/elements.h"
#include "support/test_env.h"
#include "support/watched_store.h"

namespace palvex {
namespace {

class ProvenanceTest : public testing::EngineTest {};

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
