// palvex list and show, run as separate processes.

#include <gtest/gtest.h>

#include "cli_sandbox.h"

namespace palvex::testing {
namespace {

constexpr const char* kClasses[] = {"CCommandButton", "CGrid",  "CText",      "CTabStrip", "CCheckBox",
                                    "CLabel",         "CToolBar", "CStatusBar", "CForm",     "CShape"};
constexpr std::size_t kPropertyCount = 38;  // all ten elements together

using ListShow = CliTest;

TEST_F(ListShow, EmptyCatalogueListsNothingAndCreatesNoStore) {
  EXPECT_EQ(ok({"list"}), "");
  EXPECT_EQ(ok({"list", "--json"}), "[]\n");
  EXPECT_FALSE(std::filesystem::exists(box.store()));
}

TEST_F(ListShow, ListsIndexAndNameInStoreOrder) {
  ok({"set", "Oscuro", "CForm", "BackColor", "1", "--create"});
  ok({"set", "Azul claro", "CForm", "BackColor", "2", "--create"});
  EXPECT_EQ(ok({"list"}), "0  Oscuro\n1  Azul claro\n");
  EXPECT_EQ(ok({"list", "--json"}), R"([{"index": 0, "name": "Oscuro"}, {"index": 1, "name": "Azul claro"}])" "\n");
}

TEST_F(ListShow, DefaultThemeShowsEveryElementInSlotOrderWithDefaults) {
  const auto json = ok({"show", "--json"});
  EXPECT_TRUE(json.starts_with(
      R"({"theme": "Default", "elements": [{"class": "CCommandButton", "section": "BUTTON", "properties": [)"
      R"({"name": "foreColor", "key": "foreColor", "value": 16777215, "source": "default"}, )"))
      << json;
  std::size_t at = 0;
  for (const char* cls : kClasses) {
    at = json.find(std::string("\"class\": \"") + cls + "\"", at);
    ASSERT_NE(at, std::string::npos) << cls;
  }
  EXPECT_EQ(occurrences(json, "\"source\": \"default\""), kPropertyCount);
  // Keys are the ones read at creation, which differ from the written ones here.
  EXPECT_NE(json.find(R"({"name": "borderColor", "key": "BorderColor", "value": 16627362, "source": "default"})"),
            std::string::npos);
  EXPECT_NE(json.find(R"({"name": "CheckColor", "key": "checkColor", "value": 8421504, "source": "default"})"),
            std::string::npos);
  EXPECT_TRUE(json.ends_with(R"({"name": "borderColor", "key": "BorderColor", "value": 16627362, "source": "default"}]}]})" "\n"));
}

TEST_F(ListShow, TextShowsHexDecimalSourceAndSystemColourNames) {
  ok({"set", "Oscuro", "CForm", "BackColor", "0x8000000F", "--create"});
  const auto text = ok({"show", "Oscuro"});
  EXPECT_TRUE(text.starts_with("Theme \"Oscuro\"\n\nCCommandButton  (BUTTON)\n")) << text;
  EXPECT_NE(text.find("\nCForm  (FORM)\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  BackColor               0x8000000F  -2147483633  store    button face\n"), std::string::npos) << text;
  // Update saved the form's other colour too.
  EXPECT_NE(text.find("  MenuColor               0xEED9D0       15653328  store\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nCShape  (SHAPE)\n  borderColor             0xFDB6A2       16627362  default\n"),
            std::string::npos) << text;
  EXPECT_NE(text.find("  borderStyle                                   0  default\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("\x1b["), std::string::npos) << "no colours when stdout is a file";
}

TEST_F(ListShow, ThemeNamesMatchWithoutRegardToCaseAndShowTheCatalogueSpelling) {
  ok({"set", "Oscuro", "CLabel", "foreColor", "7", "--create"});
  const auto json = ok({"show", "OSCURO", "--json"});
  EXPECT_TRUE(json.starts_with(R"({"theme": "Oscuro",)")) << json;
  EXPECT_NE(json.find(R"({"name": "foreColor", "key": "foreColor", "value": 7, "source": "store"})"), std::string::npos);
}

TEST_F(ListShow, OverrideFileValuesWinAndAreReportedAsIni) {
  ok({"set", "Oscuro", "CLabel", "foreColor", "1", "--create"});
  ok({"set", "Oscuro", "CForm", "MenuColor", "2"});
  box.writeFile(box.ini(), "[Palvex\\Oscuro\\LABEL]\nforeColor=255\n[Palvex\\Oscuro\\FORM]\nMenuColor=\n");
  const auto json = ok({"show", "Oscuro", "--json"});
  EXPECT_NE(json.find(R"("class": "CLabel", "section": "LABEL", "properties": [{"name": "foreColor", "key": "foreColor", "value": 255, "source": "ini"}])"),
            std::string::npos) << json;
  // An empty override value leaves the store's.
  EXPECT_NE(json.find(R"({"name": "MenuColor", "key": "MenuColor", "value": 2, "source": "store"})"), std::string::npos);
  EXPECT_EQ(occurrences(json, "\"source\": \"ini\""), 1u);
}

TEST_F(ListShow, OverrideFileIsFoundUnderXdgConfigHome) {
  box.setEnv("PALVEX_INI", "");
  std::filesystem::create_directories(box.configHome() / "orvane");
  box.writeFile(box.configHome() / "orvane" / "Orvane.ini", "[Palvex\\Default\\SHAPE]\nborderColor=&HFF\n");
  EXPECT_NE(ok({"show", "--json"}).find(R"({"name": "borderColor", "key": "BorderColor", "value": 255, "source": "ini"})"),
            std::string::npos);
}

TEST_F(ListShow, AnElementThatCannotLoadShowsItsErrorAndTheOthersStillPrint) {
  box.writeFile(box.ini(), "[Palvex\\Default\\GRID]\nborderStyle=40000\n[Palvex\\Default\\LABEL]\nforeColor=99999999999\n");
  const auto json = ok({"show", "--json"});
  EXPECT_NE(json.find(R"({"class": "CGrid", "section": "GRID", "error": {"number": 6, "message": ")"), std::string::npos)
      << json;
  EXPECT_NE(json.find(R"({"class": "CLabel", "section": "LABEL", "error": {"number": 6, "message": ")"), std::string::npos);
  EXPECT_EQ(occurrences(json, "\"source\": "), kPropertyCount - 10 - 1);

  const auto text = ok({"show"});
  EXPECT_NE(text.find("CGrid  (GRID)\n  error 6: "), std::string::npos) << text;
  EXPECT_NE(text.find("CShape  (SHAPE)\n  borderColor "), std::string::npos) << text;
}

TEST_F(ListShow, SwatchesOnlyOnATrueColourTerminal) {
  box.setEnv("COLORTERM", "truecolor");
  const auto coloured = box.runOnTerminal({"show"});
  EXPECT_EQ(coloured.status, 0) << coloured.err;
  // The form's back colour 0xEED9D0: red D0, green D9, blue EE.
  EXPECT_NE(coloured.out.find("\x1b[48;2;208;217;238m  \x1b[0m 0xEED9D0"), std::string::npos) << coloured.out;

  box.setEnv("COLORTERM", "");
  const auto plain = box.runOnTerminal({"show"});
  EXPECT_EQ(plain.status, 0) << plain.err;
  EXPECT_NE(plain.out.find("0xEED9D0"), std::string::npos);
  EXPECT_EQ(plain.out.find("\x1b["), std::string::npos);
}

TEST_F(ListShow, DefaultStoreIsTheUsersUnderXdgConfigHomeOrPalvexStore) {
  auto created = box.run({"set", "Oscuro", "CForm", "BackColor", "1", "--create"}, false);
  EXPECT_EQ(created.status, 0) << created.err;
  EXPECT_TRUE(std::filesystem::exists(box.configHome() / "orvane" / "settings.sqlite"));
  EXPECT_EQ(box.run({"list"}, false).out, "0  Oscuro\n");

  box.setEnv("PALVEX_STORE", box.store().string());
  EXPECT_EQ(box.run({"list"}, false).out, "");
  EXPECT_EQ(box.run({"set", "Otro", "CForm", "BackColor", "1", "--create"}, false).status, 0);
  EXPECT_EQ(ok({"list"}), "0  Otro\n");
}

}  // namespace
}  // namespace palvex::testing
