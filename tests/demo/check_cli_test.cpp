// palvex check, run as a user runs it: the sample themes pass, a pair built
// to fail is flagged and fails the command.

#include <gtest/gtest.h>

#include "cli/cli_sandbox.h"

namespace palvex::testing {
namespace {

class CheckCommand : public CliTest {
 protected:
  void importSample(const std::string& file) { ok({"import", std::string(PALVEX_THEMES_DIR) + "/" + file}); }
};

TEST_F(CheckCommand, EverySampleThemePasses) {
  for (const char* file : {"AltoContraste.ini", "Claro.ini", "Oscuro.ini", "Sepia.ini"}) importSample(file);
  for (const char* theme : {"Alto contraste", "Claro", "Oscuro", "Sepia"}) {
    SCOPED_TRACE(theme);
    const auto out = ok({"check", theme});
    EXPECT_EQ(occurrences(out, " on  "), 12u);
    EXPECT_NE(out.find("All 12 pairs reach 4.5:1."), std::string::npos) << out;
  }
  const auto out = ok({"check", "alto contraste"});  // found as the catalogue finds it
  EXPECT_NE(out.find("Theme \"Alto contraste\""), std::string::npos);
  EXPECT_NE(out.find("  text                  CText.foreColor                  0xFFFFFF   on  CText.BackColor"
                     "                  0x000000     21.00:1"),
            std::string::npos)
      << out;
}

TEST_F(CheckCommand, APairBuiltToFailIsFlaggedAndFailsTheCommandAfterTheListing) {
  importSample("Claro.ini");
  // The label painted in the form's own colour, and a text box whose back colour names nothing.
  ok({"set", "Claro", "CLabel", "foreColor", "#F2F4F7"});
  ok({"set", "Claro", "CText", "BackColor", "0x800000FF"});

  const auto result = run({"check", "Claro"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "palvex: theme \"Claro\": 2 of 12 colour pairs below 4.5:1 (text, label)\n");
  std::vector<std::string> failing;
  std::istringstream listing(result.out);
  for (std::string line; std::getline(listing, line);)
    if (line.ends_with("FAIL")) failing.push_back(line);
  ASSERT_EQ(failing.size(), 2u) << result.out;
  EXPECT_TRUE(failing[0].starts_with("  text ") && failing[0].find("0x800000FF") != std::string::npos &&
              failing[0].find("no colour") != std::string::npos)
      << failing[0];
  EXPECT_TRUE(failing[1].starts_with("  label ") && failing[1].find("1.00:1") != std::string::npos) << failing[1];
  EXPECT_EQ(occurrences(result.out, " on  "), 12u) << "every pair is listed, failing or not";

  const auto json = run({"check", "Claro", "--json"});
  EXPECT_EQ(json.status, 1);
  EXPECT_EQ(occurrences(json.out, "\n"), 1u);
  EXPECT_NE(json.out.find(R"({"id": "label", "what": "labels, option buttons and plain check boxes on the form", )"
                          R"("foreground": {"class": "CLabel", "property": "foreColor", "value": 16250098}, )"
                          R"("background": {"class": "CForm", "property": "BackColor", "value": 16250098}, )"
                          R"("ratio": 1.00, "pass": false})"),
            std::string::npos)
      << json.out;
  EXPECT_NE(json.out.find(R"("ratio": null, "pass": false)"), std::string::npos);
  EXPECT_TRUE(json.out.ends_with(R"(], "failing": 2})" "\n"));
}

}  // namespace
}  // namespace palvex::testing
