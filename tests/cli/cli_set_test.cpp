// palvex set, including concurrent creation of themes.

#include <gtest/gtest.h>

#include "cli_sandbox.h"
#include "palvex/settings.h"
#include "palvex/settings_store.h"

namespace palvex::testing {
namespace {

using CliSet = CliTest;

TEST_F(CliSet, AcceptsDecimalHexPatternAndWebColoursAndReportsWhatWasSaved) {
  EXPECT_EQ(ok({"set", "Oscuro", "CForm", "BackColor", "#102030", "--create"}),
            "Added theme \"Oscuro\" to the catalogue with index 0.\nOscuro: CForm.BackColor = 0x302010 (3153936)\n");
  const std::pair<const char*, const char*> cases[] = {
      {"-2147483633", "0x8000000F (-2147483633)"},
      {"0x8000000F", "0x8000000F (-2147483633)"},
      {"#FF0000", "0x0000FF (255)"},  // red lands in the low byte of 0x00BBGGRR
      {"#0000FF", "0xFF0000 (16711680)"},
  };
  for (const auto& [typed, saved] : cases)
    EXPECT_EQ(ok({"set", "oscuro", "CForm", "backcolor", typed}), std::string("Oscuro: CForm.BackColor = ") + saved + "\n");
  EXPECT_NE(ok({"show", "Oscuro", "--json"}).find(R"({"name": "BackColor", "key": "BackColor", "value": 16711680, "source": "store"})"),
            std::string::npos);
  EXPECT_EQ(ok({"set", "Oscuro", "CGrid", "BORDERSTYLE", "-1"}), "Oscuro: CGrid.borderStyle = -1\n");
}

TEST_F(CliSet, SavesTheWholeElementAndKnowsDescriptorNames) {
  ok({"set", "Oscuro", "ccommandbutton", "BACKCOLORDISABLED", "7", "--create"});
  ok({"set", "Oscuro", "CGrid", "ForeColorFixed", "5"});
  ok({"set", "Oscuro", "CShape", "BorderColor", "6"});
  const auto json = ok({"show", "Oscuro", "--json"});
  for (const char* property : {R"({"name": "backColorDisabled", "key": "backColorDisabled", "value": 7, "source": "store"})",
                               R"({"name": "foreColorFixed", "key": "foreColorFixed", "value": 5, "source": "store"})",
                               R"({"name": "borderColor", "key": "BorderColor", "value": 6, "source": "store"})"})
    EXPECT_NE(json.find(property), std::string::npos) << property;
  EXPECT_EQ(occurrences(json, "\"source\": \"store\""), 6u + 10u + 1u) << "the three elements, and nothing else";
}

TEST_F(CliSet, NewThemeTakesTheIndexAfterTheHighest) {
  {
    auto settings = openSqliteStore(store);
    settings->write(kAppName, kCatalogueSection, "0", "Default");
    settings->write(kAppName, kCatalogueSection, "5", "Oscuro");
  }
  EXPECT_NE(ok({"set", "Nuevo", "CForm", "BackColor", "1", "--create"}).find("with index 6."), std::string::npos);
  // --create with a name already there adds nothing.
  EXPECT_EQ(ok({"set", "NUEVO", "CForm", "BackColor", "2", "--create"}), "Nuevo: CForm.BackColor = 0x000002 (2)\n");
  EXPECT_EQ(ok({"list"}), "0  Default\n5  Oscuro\n6  Nuevo\n");
}

TEST_F(CliSet, ConcurrentCreatorsEachGetTheirOwnEntry) {
  std::vector<Child> children;
  for (int i = 0; i < 8; ++i)
    children.push_back(start({"set", "Tema" + std::to_string(i), "CForm", "BackColor", std::to_string(i), "--create"}));
  for (auto child : children) EXPECT_EQ(finish(child).status, 0);
  // An entry written over by another creator would leave its theme unknown.
  EXPECT_EQ(occurrences(ok({"list"}), "\n"), 8u);
  for (int i = 0; i < 8; ++i)
    EXPECT_NE(ok({"show", "Tema" + std::to_string(i), "--json"})
                  .find(R"("key": "BackColor", "value": )" + std::to_string(i) + R"(, "source": "store")"),
              std::string::npos) << i;
}

}  // namespace
}  // namespace palvex::testing
