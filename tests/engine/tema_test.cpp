#include "palvex/tema.h"

#include "engine/globales.h"
#include "palvex/settings.h"
#include "support/test_env.h"

namespace palvex {
namespace {

class TemaTest : public testing::EngineTest {};

TEST_F(TemaTest, SelectionIsSharedAndRaisedSynchronouslyToThatObjectsClientsOnly) {
  auto first = Tema::create();
  auto second = Tema::create();
  std::vector<std::string> heardByFirst, heardBySecond;
  Tema::Connection id = first->connectNuevoTema([&](Variant& name) {
    heardByFirst.push_back(name.toString());
    EXPECT_EQ(second->getTema(), name.toString());  // stored before the event, unchanged
    first->disconnectNuevoTema(id);
  });
  second->connectNuevoTema([&](Variant& name) { heardBySecond.push_back(name.toString()); });

  first->setTema(" Azul claro ");
  first->setTema("Otro");
  EXPECT_EQ(heardByFirst, (std::vector<std::string>{" Azul claro "}));
  EXPECT_TRUE(heardBySecond.empty());

  // The first Tema is kept until the name is emptied again.
  EXPECT_EQ(globales::state().firstTema, first);
  second->setTema("");
  auto third = Tema::create();
  EXPECT_EQ(third->getTema(), "Default");
  EXPECT_EQ(globales::state().firstTema, third);
}

TEST_F(TemaTest, ReachableByNameAndEditarTemaNeedsADesigner) {
  store().write(kAppName, kCatalogueSection, "0", "Default");
  auto tema = Tema::create();
  tema->call("SETTEMA", {Variant("Oscuro")});
  EXPECT_EQ(tema->get("gettema").toString(), "Oscuro");
  EXPECT_EQ(tema->call("indiceTema", {Variant("default")}), Variant(std::int16_t{0}));
  EXPECT_EQ(tema->call("listaPalvex").toObject()->enumerate().size(), 1u);
  EXPECT_PALVEX_ERROR(tema->call("noExiste"), ErrorNumber::NoSuchMember, "Tema.noExiste");

  EXPECT_PALVEX_ERROR(tema->editarTema(), ErrorNumber::InvalidCall, "designer");
  int opened = 0;
  installDesigner([&] { ++opened; });
  tema->editarTema();
  installDesigner(nullptr);
  EXPECT_EQ(opened, 1);
}

}  // namespace
}  // namespace palvex
