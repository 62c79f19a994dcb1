#include "palvex/tema.h"

#include "palvex/globales.h"
#include "palvex/settings.h"
#include "support/test_env.h"

namespace palvex {
namespace {

class TemaTest : public testing::EngineTest {};

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
