#include "palvex/tema.h"

#include "engine/globales.h"
#include "palvex/settings.h"
#include "support/test_env.h"

namespace palvex {
namespace {

using testing::EngineTest;

class TemaTest : public EngineTest {
 protected:
  void addTheme(const std::string& key, const std::string& name) {
    store().write(kAppName, kCatalogueSection, key, name);
  }
};

TEST_F(TemaTest, FreshStoreHasAnEmptyCatalogue) {
  auto tema = Tema::create();
  EXPECT_TRUE(tema->listaPalvex().empty());
  EXPECT_EQ(tema->indiceTema("Default"), -1);
  EXPECT_EQ(tema->maxIndiceTema(), -1);
  EXPECT_EQ(tema->getTema(), "Default");
}

TEST_F(TemaTest, CatalogueLookupsIgnoreCaseButNotBlanks) {
  addTheme("0", "Default");
  addTheme("1", "Oscuro");
  auto tema = Tema::create();
  EXPECT_EQ(tema->listaPalvex(), (std::vector<std::string>{"Default", "Oscuro"}));
  EXPECT_EQ(tema->indiceTema("oscuro"), 1);
  EXPECT_EQ(tema->indiceTema(" Oscuro"), -1);
  EXPECT_EQ(tema->maxIndiceTema(), 1);
}

TEST_F(TemaTest, CatalogueComparisonUpperCasesEveryLetter) {
  addTheme("0", "Pestaña café");
  EXPECT_EQ(Tema::create()->indiceTema("PESTAÑA CAFÉ"), 0);
}

TEST_F(TemaTest, ListKeepsStoreOrderAndMaxTakesTheHighestKey) {
  addTheme("5", "Cinco");
  addTheme("0", "Cero");
  auto tema = Tema::create();
  EXPECT_EQ(tema->listaPalvex(), (std::vector<std::string>{"Cinco", "Cero"}));
  EXPECT_EQ(tema->maxIndiceTema(), 5);
}

TEST_F(TemaTest, DuplicateNamesResolveToTheFirstInStoreOrder) {
  addTheme("3", "Igual");
  addTheme("2", "Igual");
  EXPECT_EQ(Tema::create()->indiceTema("igual"), 3);
}

TEST_F(TemaTest, CatalogueKeysThatAreNotSmallNumbersFail) {
  auto tema = Tema::create();
  addTheme("x", "Raro");
  EXPECT_PALVEX_ERROR(tema->maxIndiceTema(), ErrorNumber::TypeMismatch, "x");
  EXPECT_PALVEX_ERROR(tema->indiceTema("raro"), ErrorNumber::TypeMismatch, "x");
  store().write(kAppName, kCatalogueSection, "x", "");  // keep the key, rename
  addTheme("40000", "Grande");
  EXPECT_PALVEX_ERROR(tema->indiceTema("Grande"), ErrorNumber::Overflow, "Integer");
}

TEST_F(TemaTest, FractionalKeysRoundHalfToEven) {
  addTheme("2.5", "Medio");
  EXPECT_EQ(Tema::create()->indiceTema("Medio"), 2);
}

TEST_F(TemaTest, SelectionIsSharedAndRaisedOnlyToThatObjectsClients) {
  auto first = Tema::create();
  auto second = Tema::create();
  std::vector<std::string> heardByFirst, heardBySecond;
  first->connectNuevoTema([&](Variant& name) { heardByFirst.push_back(name.toString()); });
  second->connectNuevoTema([&](Variant& name) { heardBySecond.push_back(name.toString()); });

  first->setTema("Oscuro");
  EXPECT_EQ(second->getTema(), "Oscuro");
  EXPECT_EQ(heardByFirst, (std::vector<std::string>{"Oscuro"}));
  EXPECT_TRUE(heardBySecond.empty());
  EXPECT_TRUE(globales::state().reloadElements);
}

TEST_F(TemaTest, HandlersRunBeforeSetTemaReturnsAndCanDisconnect) {
  auto tema = Tema::create();
  int calls = 0;
  Tema::Connection id = 0;
  id = tema->connectNuevoTema([&](Variant&) {
    ++calls;
    EXPECT_EQ(tema->getTema(), " Azul claro ");  // the name is stored before the event, unchanged
    tema->disconnectNuevoTema(id);
  });
  tema->setTema(" Azul claro ");
  tema->setTema("Otro");
  EXPECT_EQ(calls, 1);
}

TEST_F(TemaTest, FirstTemaIsKeptUntilTheNameIsEmptiedAgain) {
  auto first = Tema::create();
  auto second = Tema::create();
  EXPECT_EQ(globales::state().firstTema, first);
  EXPECT_EQ(first->getTema(), "Default");

  first->setTema("");
  auto third = Tema::create();
  EXPECT_EQ(third->getTema(), "Default");
  EXPECT_EQ(globales::state().firstTema, third);
  EXPECT_NE(globales::state().firstTema, second);
}

TEST_F(TemaTest, ReachableByNameToo) {
  addTheme("0", "Default");
  auto tema = Tema::create();
  tema->call("SETTEMA", {Variant("Oscuro")});
  EXPECT_EQ(tema->get("gettema").toString(), "Oscuro");
  EXPECT_EQ(tema->call("indiceTema", {Variant("default")}), Variant(std::int16_t{0}));
  EXPECT_EQ(tema->call("listaPalvex").toObject()->enumerate().size(), 1u);
  EXPECT_PALVEX_ERROR(tema->call("noExiste"), ErrorNumber::NoSuchMember, "Tema.noExiste");
}

TEST_F(TemaTest, EditarTemaWithoutAToolkitFailsClearly) {
  auto tema = Tema::create();
  EXPECT_PALVEX_ERROR(tema->editarTema(), ErrorNumber::InvalidCall, "designer");
  int opened = 0;
  installDesigner([&] { ++opened; });
  tema->editarTema();
  installDesigner(nullptr);
  EXPECT_EQ(opened, 1);
}

}  // namespace
}  // namespace palvex
