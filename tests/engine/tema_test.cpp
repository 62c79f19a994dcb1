#include "palvex/tema.h"

#include "engine/globales.h"
#include "palvex/globales.h"
#include "palvex/settings.h"
#include "support/test_env.h"

namespace palvex {
namespace {

class TemaTest : public testing::EngineTest {};

TEST_F(TemaTest, SelectionIsSharedAndRaisedSynchronouslyToThatObjectsClientsOnly) {
  auto first = Tema::create();
  auto second = Tema::create();
  std::vector<std::string> heard;
  Tema::Connection id = first->connectNuevoTema([&](Variant& name) {
    heard.push_back(name.toString() + " / " + second->getTema());  // stored before the event
    first->disconnectNuevoTema(id);
  });
  second->connectNuevoTema([&](Variant& name) { heard.push_back("second " + name.toString()); });  // never told

  first->setTema(" Azul claro ");
  first->setTema("Otro");
  EXPECT_EQ(heard, (std::vector<std::string>{" Azul claro  /  Azul claro "}));
  // The first Tema is kept until the name is emptied again.
  EXPECT_EQ(globales::firstTema(), first);
  second->setTema("");
  auto third = Tema::create();
  EXPECT_EQ(third->getTema(), "Default");
  EXPECT_EQ(globales::firstTema(), third);
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
