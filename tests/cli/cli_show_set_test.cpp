// palvex list, show and set: the catalogue, each value with where it came
// from, and setting one property (concurrent creators included).

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "cli_sandbox.h"
#include "palvex/settings.h"
#include "palvex/settings_store.h"

namespace palvex::testing {
namespace {

using CliShow = CliTest;
using CliSet = CliTest;

TEST_F(CliShow, ListsTheCatalogueInStoreOrderFromTheGivenOrTheUsersStore) {
  EXPECT_EQ(ok({"list"}), "");
  EXPECT_FALSE(std::filesystem::exists(store)) << "reading creates no store";
  ok({"set", "Oscuro", "CForm", "BackColor", "1", "--create"});
  ok({"set", "Añil \"claro\"", "CForm", "BackColor", "2", "--create"});
  EXPECT_EQ(ok({"list"}), "0  Oscuro\n1  Añil \"claro\"\n");
  EXPECT_EQ(ok({"list", "--json"}), R"([{"index": 0, "name": "Oscuro"}, {"index": 1, "name": "Añil \"claro\""}])" "\n");

  // Without --store, the user's store; where that is, the library's tests pin.
  env["PALVEX_STORE"] = store.string();
  store.clear();
  EXPECT_EQ(ok({"list"}), "0  Oscuro\n1  Añil \"claro\"\n");
}

TEST_F(CliShow, TextHasHexDecimalSourceSystemNamesAndSwatchesOnATrueColourTerminal) {
  ok({"set", "Oscuro", "CForm", "BackColor", "0x8000000F", "--create"});
  ok({"set", "Oscuro", "CText", "BackColorFocused", "0x80000019"});  // index 25 has no name
  ok({"set", "Oscuro", "CLabel", "foreColor", "255"});
  const auto text = ok({"show", "OSCURO"});
  EXPECT_TRUE(text.starts_with("Theme \"Oscuro\"\n\nCCommandButton  (BUTTON)\n")) << text;
  for (const char* line : {"\nCForm  (FORM)\n  BackColor               0x8000000F  -2147483633  store    button face\n",
                           "\n  MenuColor               0xEED9D0       15653328  store\n",
                           "\n  backColorFocused        0x80000019  -2147483623  store\n",
                           "\n  foreColor               0x0000FF            255  store\n",
                           "\nCShape  (SHAPE)\n  borderColor             0xFDB6A2       16627362  default\n",
                           "\n  borderStyle                                   0  default\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << text;
  EXPECT_EQ(text.find("\x1b["), std::string::npos) << "no colours when stdout is a file";

  env["COLORTERM"] = "truecolor";
  const auto coloured = run({"show", "Oscuro"}, true);
  for (const char* swatch : {"\x1b[48;2;255;0;0m  \x1b[0m 0x0000FF", "\x1b[48;2;208;217;238m  \x1b[0m 0xEED9D0",
                             "\x1b[48;2;240;240;240m  \x1b[0m 0x8000000F", "  backColorFocused           0x80000019"})
    EXPECT_NE(coloured.out.find(swatch), std::string::npos) << swatch << coloured.out;
}

TEST_F(CliSet, TakesEveryValueFormAndSavesTheWholeElement) {
  EXPECT_EQ(ok({"set", "Oscuro", "CForm", "BackColor", "#102030", "--create"}),
            "Added theme \"Oscuro\" to the catalogue with index 0.\nOscuro: CForm.BackColor = 0x302010 (3153936)\n");
  // Names match without regard to case, and --create on a theme already there adds nothing.
  EXPECT_EQ(ok({"set", "oscuro", "CForm", "backcolor", "0x8000000F", "--create"}),
            "Oscuro: CForm.BackColor = 0x8000000F (-2147483633)\n");
  EXPECT_EQ(ok({"set", "Oscuro", "CGrid", "BORDERSTYLE", "-1"}), "Oscuro: CGrid.borderStyle = -1\n");
  ok({"set", "Oscuro", "CShape", "BorderColor", "-2147483648"});
  const auto json = ok({"show", "Oscuro", "--json"});
  for (const char* property : {R"({"name": "BackColor", "key": "BackColor", "value": -2147483633, "source": "store"})",
                               R"({"name": "borderStyle", "key": "borderStyle", "value": -1, "source": "store"})",
                               R"({"name": "borderColor", "key": "BorderColor", "value": -2147483648, "source": "store"})"})
    EXPECT_NE(json.find(property), std::string::npos) << property;
  EXPECT_EQ(occurrences(json, "\"source\": \"store\""), 2u + 10u + 1u) << "the three elements, and nothing else";
}

TEST_F(CliSet, ConcurrentCreatorsEachGetTheirOwnEntry) {
  // The creators start while this process holds the store's write lock, so
  // they all meet at the catalogue when it lets go.
  std::vector<Child> children;
  openSqliteStore(store)->transaction([&] {
    for (int i = 0; i < 8; ++i)
      children.push_back(start({"set", "Tema" + std::to_string(i), "CForm", "BackColor", std::to_string(i), "--create"}));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  });
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
