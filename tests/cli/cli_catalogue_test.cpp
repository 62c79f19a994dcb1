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
  EXPECT_EQ(ok({"--version"}), std::string("palvex ") + PALVEX_VERSION + "\n");
}

TEST_F(CliCatalogue, ADamagedKeyIsWarnedAboutAndCanStillBeRemovedOrRenamed) {
  ok({"set", "Oscuro", "CForm", "BackColor", "1", "--create"});
  openSqliteStore(store)->write(kAppName, kCatalogueSection, "abc", "Raro");

  const auto listed = run({"list"});
  EXPECT_EQ(listed.out, "0  Oscuro\n");
  EXPECT_NE(listed.err.find("theme \"Raro\" left out: catalogue key \"abc\" (application Orvane, section Palvex, "
                            "store " + store.string()),
            std::string::npos) << listed.err;
  refused({"show", "raro"}, "catalogue key \"abc\" (application Orvane, section Palvex, store ");

  EXPECT_EQ(ok({"rename", "Raro", "Extraño"}), "Renamed theme \"Raro\" (catalogue key \"abc\") to \"Extraño\".\n");
  EXPECT_EQ(ok({"remove", "Extraño"}), "Removed theme \"Extraño\" (catalogue key \"abc\") and its values.\n");
  EXPECT_EQ(run({"list"}).err, "") << "the damaged key is gone";
}

}  // namespace
}  // namespace palvex::testing
