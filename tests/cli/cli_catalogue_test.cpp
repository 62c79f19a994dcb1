// palvex remove, rename and --version, and a catalogue with damaged keys, as
// a user meets them. Name rules and index choice are the library's, tested there.

#include <gtest/gtest.h>

#include "cli_sandbox.h"
#include "palvex/settings.h"
#include "palvex/settings_store.h"

namespace palvex::testing {
namespace {

using CliCatalogue = CliTest;

// That the values move along is the library's to pin.
TEST_F(CliCatalogue, RemoveAndRenameKeepTheOtherIndices) {
  for (const char* theme : {"Oscuro", "Claro", "Gris"}) ok({"set", theme, "CForm", "BackColor", "7", "--create"});

  EXPECT_EQ(ok({"remove", "oscuro"}), "Removed theme \"Oscuro\" (index 0) and its values.\n");
  EXPECT_EQ(ok({"rename", "CLARO", "Azul claro"}), "Renamed theme \"Claro\" (index 1) to \"Azul claro\".\n");
  EXPECT_EQ(ok({"list"}), "1  Azul claro\n2  Gris\n");
  refused({"rename", "Gris", "azul claro"},
          "theme \"Azul claro\" (index 1) is already in the catalogue; remove it first");

  store = dir / "none.sqlite";
  refused({"remove", "Oscuro"}, "no theme \"Oscuro\" in the catalogue (the catalogue is empty)");
}

TEST_F(CliCatalogue, ADamagedKeyIsWarnedAboutAndCanStillBeRemovedOrRenamed) {
  ok({"set", "Oscuro", "CForm", "BackColor", "1", "--create"});
  openSqliteStore(store)->write(kAppName, kCatalogueSection, "abc", "Raro");
  openSqliteStore(store)->write(kAppName, kCatalogueSection, "40000", "Grande");

  const auto listed = run({"list"});
  EXPECT_EQ(listed.status, 0);
  EXPECT_EQ(listed.out, "0  Oscuro\n");
  EXPECT_EQ(occurrences(listed.err, "palvex: warning: theme "), 2u) << listed.err;
  EXPECT_NE(listed.err.find("theme \"Raro\" left out: catalogue key \"abc\" (application Orvane, section Palvex, "
                            "store " + store.string()),
            std::string::npos) << listed.err;
  refused({"show", "raro"}, "catalogue key \"abc\" (application Orvane, section Palvex, store ");

  EXPECT_EQ(ok({"remove", "RARO"}), "Removed theme \"Raro\" (catalogue key \"abc\") and its values.\n");
  EXPECT_EQ(ok({"rename", "Grande", "Enorme"}), "Renamed theme \"Grande\" (catalogue key \"40000\") to \"Enorme\".\n");
  EXPECT_NE(run({"list"}).err.find("theme \"Enorme\" left out"), std::string::npos);
}

TEST_F(CliCatalogue, VersionNamesTheProgramAndItsVersion) {
  EXPECT_EQ(ok({"--version"}), std::string("palvex ") + PALVEX_VERSION + "\n");
}

}  // namespace
}  // namespace palvex::testing
