// The rules every store backend must keep, run against each of them.

#include <ostream>
#include <stdexcept>

#include "support/test_env.h"

namespace palvex {
namespace {

using testing::TempDir;
using Value = std::optional<std::string>;

struct Backend {
  const char* name;
  std::shared_ptr<SettingsStore> (*open)(const TempDir& dir);
};

void PrintTo(const Backend& backend, std::ostream* out) { *out << backend.name; }

const Backend kBackends[] = {
    {"Memory", [](const TempDir&) { return makeMemoryStore(); }},
    {"Sqlite", [](const TempDir& dir) { return openSqliteStore(dir / "settings.sqlite"); }},
};

class StoreContract : public ::testing::TestWithParam<Backend> {
 protected:
  TempDir dir_;
  std::shared_ptr<SettingsStore> store_ = GetParam().open(dir_);
  SettingsStore& store = *store_;
};

TEST_P(StoreContract, NamesIgnoreCaseButNotAccentsAndKeepFirstSpellingAndPlace) {
  store.write("Orvane", "Palvex\\Pestaña café\\CHECK", "CheckColor", std::string_view{});  // may have no data at all
  store.write("Orvane", "Palvex\\Pestaña café\\CHECK", "Ñandú", "2");
  store.write("ORVANE", "palvex\\PESTAÑA CAFÉ\\check", "checkcolor", "3");
  store.write("Ósmosis", "Palvex", "clé", "4");
  store.write("Orvane", "PalvexOtro", "x", "5");

  EXPECT_EQ(store.enumerate("orvane", "PALVEX\\pestaña CAFÉ\\Check"), (SettingPairs{{"CheckColor", "3"}, {"Ñandú", "2"}}));
  EXPECT_EQ(store.read("óSMOSIS", "palvex", "CLÉ"), Value("4"));
  EXPECT_EQ(store.read("Orvane", "Palvex", "clé"), std::nullopt) << "applications are apart";
  EXPECT_EQ(store.read("Orvane", "Palvex\\Pestaña café\\CHECK", "Nandu"), std::nullopt);
  EXPECT_EQ(store.read("Orvane", "Palvex\\Pestana cafe\\CHECK", "Ñandú"), std::nullopt);
  for (const char* section : {"Palvex\\Pestaña café", "Palvex\\", "Palvex"}) EXPECT_TRUE(store.enumerate("Orvane", section).empty());

  store.write("Orvane", "Palvex\\Default\\LABEL", "foreColor", "");
  EXPECT_EQ(store.get("Orvane", "Palvex\\Default\\LABEL", "foreColor", "7"), "") << "an empty value is a value";
  EXPECT_EQ(store.get("Orvane", "Palvex\\Default\\LABEL", "backColor", "7"), "7");
  for (const char* key : {"5", "0", "10", "2"}) store.write("Orvane", "Palvex", key, std::string("v") + key);
  store.write("Orvane", "Palvex", "0", "rewritten");
  EXPECT_EQ(store.enumerate("Orvane", "Palvex"),
            (SettingPairs{{"5", "v5"}, {"0", "rewritten"}, {"10", "v10"}, {"2", "v2"}}));
}

TEST_P(StoreContract, TransactionsApplyEverythingOrNothingAndNestAndTheTokenMovesWithChangesOnly) {
  const auto initial = store.changeToken();
  store.write("Orvane", "Palvex", "0", "Default");
  const auto afterWrite = store.changeToken();
  EXPECT_NE(afterWrite, initial);
  store.enumerate("Orvane", "Palvex");
  EXPECT_EQ(store.changeToken(), afterWrite) << "reading is no change";

  std::uint64_t inside = 0;
  EXPECT_THAT([&] {
    store.transaction([&] {
      store.write("Orvane", "Palvex", "0", "Cambiado");
      store.write("Orvane", "Palvex", "1", "Nuevo");
      EXPECT_EQ(store.read("Orvane", "Palvex", "1"), Value("Nuevo"));  // the body sees its own writes
      inside = store.changeToken();
      throw std::runtime_error("stop");
    });
  }, testing::ThrowsError<std::runtime_error>("stop"));
  EXPECT_EQ(store.enumerate("Orvane", "Palvex"), (SettingPairs{{"0", "Default"}}));
  // A value cached inside a failed transaction must not look current after it.
  EXPECT_NE(inside, afterWrite);
  EXPECT_NE(store.changeToken(), inside);

  store.transaction([&] {
    store.write("Orvane", "Palvex", "0", "Fuera");
    EXPECT_THAT([&] {
      store.transaction([&] {
        store.write("Orvane", "Palvex", "1", "Dentro");
        throw std::runtime_error("inner");
      });
    }, testing::ThrowsError<std::runtime_error>("inner"));
    store.transaction([&] { store.write("Orvane", "Palvex", "2", "Dentro bien"); });
    store.readTransaction([&] { EXPECT_EQ(store.read("Orvane", "Palvex", "2"), Value("Dentro bien")); });
  });
  EXPECT_EQ(store.enumerate("Orvane", "Palvex"), (SettingPairs{{"0", "Fuera"}, {"2", "Dentro bien"}}));
  // A read transaction passes its body's errors and leaves nothing open.
  EXPECT_THAT([&] { store.readTransaction([] { throw std::runtime_error("read"); }); },
              testing::ThrowsError<std::runtime_error>("read"));
  store.write("Orvane", "Palvex", "3", "Claro");
  EXPECT_EQ(store.read("Orvane", "Palvex", "3"), Value("Claro"));
}

TEST_P(StoreContract, NamesAndValuesAreStoredLiterally) {
  const std::string awkward[] = {"O'Brien", "\"comillas\"", "barra\\final\\", "'); DROP TABLE palvex_value; --",
                                 "%",       "_",            "?1",            std::string("nul\0dentro", 10),
                                 "  blancos  "};
  for (const auto& name : awkward) {
    const std::string section = "Palvex\\" + name;
    store.write(name, section, name, name);
    EXPECT_EQ(store.read(name, section, name), Value(name)) << name;
    EXPECT_EQ(store.enumerate(name, section), (SettingPairs{{name, name}})) << name;
  }
  // No pattern matching: "_" is only itself, blanks are kept.
  EXPECT_EQ(store.read("_", "Palvex\\_", "a"), std::nullopt);
  EXPECT_EQ(store.read("blancos", "Palvex\\blancos", "blancos"), std::nullopt);
}

TEST_P(StoreContract, ErasingKeepsTheOthersInPlaceAndAnEmptiedSectionTakesTheNextSpelling) {
  for (const char* key : {"0", "1", "2"}) store.write("Orvane", "Palvex", key, std::string("v") + key);
  store.write("Orvane", "Palvex\\Oscuro\\FORM", "BackColor", "1");
  store.write("Orvane", "Palvex\\Oscuro\\FORM", "MenuColor", "2");
  store.write("Orvane", "Palvex\\Oscuro\\FORM\\Sub", "x", "3");

  const auto before = store.changeToken();
  EXPECT_TRUE(store.erase("orvane", "PALVEX", "1"));
  EXPECT_NE(store.changeToken(), before);
  EXPECT_FALSE(store.erase("Orvane", "Palvex", "1"));
  store.write("Orvane", "Palvex", "3", "v3");
  EXPECT_EQ(store.enumerate("Orvane", "Palvex"), (SettingPairs{{"0", "v0"}, {"2", "v2"}, {"3", "v3"}}));

  EXPECT_EQ(store.eraseSection("Orvane", "palvex\\oscuro\\form"), 2u);
  EXPECT_EQ(store.read("Orvane", "Palvex\\Oscuro\\FORM\\Sub", "x"), Value("3")) << "sub-levels stay";

  // Emptied by erasing its last key, a section is written afresh in a new spelling.
  store.write("Orvane", "Palvex\\Claro\\LABEL", "foreColor", "1");
  EXPECT_TRUE(store.erase("Orvane", "Palvex\\Claro\\LABEL", "FORECOLOR"));
  store.write("Orvane", "Palvex\\CLARO\\LABEL", "ForeColor", "2");
  EXPECT_EQ(store.enumerate("Orvane", "Palvex\\claro\\label"), (SettingPairs{{"ForeColor", "2"}}));
}

INSTANTIATE_TEST_SUITE_P(Backends, StoreContract, ::testing::ValuesIn(kBackends),
                         [](const ::testing::TestParamInfo<Backend>& param) { return param.param.name; });

}  // namespace
}  // namespace palvex
