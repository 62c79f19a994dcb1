// palvex remove, rename and --version, and a catalogue with damaged or
// look-alike keys, as a user meets them.

#include <gtest/gtest.h>

#include "cli_sandbox.h"
#include "palvex/settings.h"
#include "palvex/settings_store.h"

namespace palvex::testing {
namespace {

class CliCatalogue : public CliTest {
 protected:
  // Writes a catalogue entry as another program could have left it.
  void rawEntry(const std::string& key, const std::string& name) {
    openSqliteStore(store)->write(kAppName, kCatalogueSection, key, name);
  }
};

TEST_F(CliCatalogue, RemoveAndRenameKeepTheOtherIndicesAndMoveTheValues) {
  for (const char* theme : {"Oscuro", "Claro", "Gris"}) ok({"set", theme, "CForm", "BackColor", "7", "--create"});
  ok({"set", "Claro", "CLabel", "foreColor", "255"});

  EXPECT_EQ(ok({"remove", "oscuro"}), "Removed theme \"Oscuro\" (index 0) and its values.\n");
  EXPECT_EQ(ok({"rename", "CLARO", "Azul claro"}), "Renamed theme \"Claro\" (index 1) to \"Azul claro\".\n");
  EXPECT_EQ(ok({"list"}), "1  Azul claro\n2  Gris\n");
  const auto shown = ok({"show", "Azul claro"});
  EXPECT_NE(shown.find("  foreColor               0x0000FF            255  store\n"), std::string::npos) << shown;
  EXPECT_EQ(ok({"set", "Nuevo", "CForm", "BackColor", "1", "--create"}),
            "Added theme \"Nuevo\" to the catalogue with index 3.\nNuevo: CForm.BackColor = 0x000001 (1)\n");

  // Gone with its values: created again, it reads its defaults.
  ok({"set", "Oscuro", "CShape", "borderColor", "1", "--create"});
  EXPECT_NE(ok({"show", "Oscuro"}).find("  BackColor               0xEED9D0       15653328  default\n"),
            std::string::npos);

  EXPECT_EQ(ok({"rename", "gris", "GRIS"}), "Renamed theme \"Gris\" (index 2) to \"GRIS\".\n");
  EXPECT_NE(ok({"list"}).find("2  GRIS\n"), std::string::npos);
}

TEST_F(CliCatalogue, RemoveAndRenameRefuseWhatTheyCannotDo) {
  ok({"set", "Oscuro", "CForm", "BackColor", "1", "--create"});
  ok({"set", "Claro", "CForm", "BackColor", "1", "--create"});
  const std::pair<Args, std::string> cases[] = {
      {{"remove", "Gris"}, "no theme \"Gris\" in the catalogue (themes: Oscuro, Claro)"},
      {{"remove", " Oscuro"}, "no theme \" Oscuro\""},
      {{"rename", "Gris", "Negro"}, "no theme \"Gris\""},
      {{"rename", "Oscuro", "claro"}, "theme \"Claro\" (index 1) is already in the catalogue"},
      {{"rename", "Oscuro", "Negro "}, "starts or ends with a blank"},
      {{"rename", "Oscuro", "Negro]"}, "holds ']'"},
      {{"rename", "Oscuro", "Ne\\gro"}, "holds '\\'"},
      {{"rename", "Oscuro", "Ne\ngro"}, "\"Ne\\ngro\" holds a line break"},
      {{"rename", "Oscuro"}, "NEW is required"},
      {{"remove"}, "THEME is required"},
  };
  for (const auto& [args, fragment] : cases) refused(args, fragment);

  store = dir / "none.sqlite";
  refused({"remove", "Oscuro"}, "no theme \"Oscuro\" in the catalogue (the catalogue is empty)");
  refused({"rename", "Oscuro", "Negro"}, "the catalogue is empty");
}

TEST_F(CliCatalogue, ADamagedKeyHidesItsOwnThemeOnlyAndKeysOfOneNumberKeepTheirNames) {
  ok({"set", "Oscuro", "CForm", "BackColor", "1", "--create"});
  rawEntry("abc", "Raro");
  rawEntry("40000", "Grande");
  rawEntry("02", "A");
  rawEntry("2", "B");
  ok({"set", "B", "CForm", "BackColor", "22"});

  const auto listed = run({"list"});
  EXPECT_EQ(listed.status, 0);
  EXPECT_EQ(listed.out, "0  Oscuro\n2  A\n2  B\n");
  EXPECT_EQ(occurrences(listed.err, "palvex: warning: theme "), 2u) << listed.err;
  for (const std::string& fragment : std::vector<std::string>
       {"theme \"Raro\" left out: catalogue key \"abc\" (application Orvane, section Palvex, store " + store.string(),
        "theme \"Grande\" left out: catalogue key \"40000\""})
    EXPECT_NE(listed.err.find(fragment), std::string::npos) << listed.err;

  EXPECT_TRUE(ok({"show", "B"}).starts_with("Theme \"B\"\n"));
  EXPECT_NE(ok({"show", "b", "--json"}).find(R"({"name": "BackColor", "key": "BackColor", "value": 22, "source": "store"})"),
            std::string::npos);
  EXPECT_TRUE(ok({"export", "a"}).find("[Palvex\\A\\FORM]\n") != std::string::npos);
  refused({"show", "raro"}, "catalogue key \"abc\" (application Orvane, section Palvex, store ");
  EXPECT_EQ(ok({"set", "Nuevo", "CForm", "BackColor", "1", "--create"}).substr(0, 50),
            "Added theme \"Nuevo\" to the catalogue with index 3.");

  EXPECT_EQ(ok({"remove", "RARO"}), "Removed theme \"Raro\" (catalogue key \"abc\") and its values.\n");
  EXPECT_EQ(ok({"rename", "Grande", "Enorme"}), "Renamed theme \"Grande\" (catalogue key \"40000\") to \"Enorme\".\n");
  EXPECT_NE(run({"list"}).err.find("theme \"Enorme\" left out"), std::string::npos);
}

TEST_F(CliCatalogue, VersionNamesTheProgramAndItsVersion) {
  const auto out = ok({"--version"});
  EXPECT_TRUE(out.starts_with("palvex ")) << out;
  EXPECT_EQ(out, std::string("palvex ") + PALVEX_VERSION + "\n");
}

}  // namespace
}  // namespace palvex::testing
