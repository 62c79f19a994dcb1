// palvex check, run as a user runs it: a pair below 4.5:1 is flagged and fails
// the command, a sample theme passes.

#include <gtest/gtest.h>

#include "cli/cli_sandbox.h"

namespace palvex::testing {
namespace {

using CheckCommand = CliTest;

TEST_F(CheckCommand, APairBelowTheMinimumIsFlaggedAndFailsTheCommandAfterTheListing) {
  for (const char* file : {"Claro.ini", "Oscuro.ini"}) ok({"import", std::string(PALVEX_THEMES_DIR) + "/" + file});
  // A blue label on the form just short of 4.5:1 (4.467: shown cut, not rounded;
  // with red and blue weighed the other way round it would be 2.69), and a text
  // box whose back colour names nothing.
  ok({"set", "Claro", "CLabel", "foreColor", "#0064FF"});
  ok({"set", "Claro", "CText", "BackColor", "0x800000FF"});

  const auto result = run({"check", "Claro"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "palvex: theme \"Claro\": 2 of 12 colour pairs below 4.5:1 (text, label)\n");
  EXPECT_EQ(occurrences(result.out, " on  "), 12u) << "every pair is listed, failing or not";
  EXPECT_EQ(occurrences(result.out, "FAIL\n"), 2u) << result.out;
  EXPECT_NE(result.out.find("0x800000FF no colour  FAIL\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("0xF7F4F2      4.46:1  FAIL\n"), std::string::npos) << result.out;

  const auto json = run({"check", "Claro", "--json"});
  EXPECT_EQ(json.status, 1);
  EXPECT_NE(json.out.find(R"("foreground": {"class": "CLabel", "property": "foreColor", "value": 16737280}, )"
                          R"("background": {"class": "CForm", "property": "BackColor", "value": 16250098}, )"
                          R"("ratio": 4.46, "pass": false})"),
            std::string::npos)
      << json.out;
  EXPECT_NE(json.out.find(R"("ratio": null, "pass": false)"), std::string::npos);
  EXPECT_TRUE(json.out.ends_with(R"(], "failing": 2})" "\n"));

  // Light text on dark backgrounds reads as well: a sample theme passes.
  EXPECT_NE(ok({"check", "oscuro"}).find("\nAll 12 pairs reach 4.5:1.\n"), std::string::npos);
}

}  // namespace
}  // namespace palvex::testing
