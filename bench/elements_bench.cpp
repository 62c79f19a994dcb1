// What theming costs per control: creating elements while the theme is being
// reloaded, the standard apply, and configuring a whole form.

#include <benchmark/benchmark.h>

#include "palvex/globales.h"
#include "palvex/elements.h"
#include "palvex/property_bag.h"
#include "palvex/settings_store.h"
#include "palvex/tema.h"
#include "palvex/win32.h"

namespace {

using namespace palvex;

struct Session {
  Session() {
    globales::resetEngine();
    win32::reset();
    installSettingsStore(makeMemoryStore());
    tema = Tema::create();
  }
  ~Session() {
    globales::resetEngine();
    win32::reset();
  }
  std::shared_ptr<Tema> tema;
};

void BM_GridCreatedWhileReloading(benchmark::State& state) {
  Session session;
  globales::setReloadElements(true);
  for (auto _ : state) benchmark::DoNotOptimize(globales::sharedGrid());
}
BENCHMARK(BM_GridCreatedWhileReloading);

void BM_TextAppliedToAControl(benchmark::State& state) {
  Session session;
  auto element = CText::create();
  auto control = PropertyBag::make("skinText");
  for (const char* p : {"Tag", "borderColor", "borderColorFocused", "foreColor", "foreColorFocused", "BackColor",
                        "backColorFocused"})
    control->declare(p, Variant(0));
  const Variant target(control);
  for (auto _ : state) element->Aplicar(target);
}
BENCHMARK(BM_TextAppliedToAControl);

void BM_FormWithFramesConfigured(benchmark::State& state) {
  Session session;
  const auto window = win32::createWindow("ThunderRT6FormDC");
  const auto menu = win32::createMenu();
  win32::appendSubMenu(menu, win32::createMenu());
  win32::attachMenu(window, menu);
  std::vector<Variant> frames;
  for (int64_t i = 0; i < state.range(0); ++i) {
    auto frame = PropertyBag::make("Frame");
    frame->declare("Tag", Variant("")).declare("BackColor", Variant(0));
    frames.emplace_back(frame);
  }
  auto controls = PropertyBag::make("Object");
  controls->setItems(frames);
  auto form = PropertyBag::make("frmBench");
  form->setForm().declare("BackColor", Variant(0)).declare("hWnd", Variant(window)).declare("Controls", Variant(controls));
  auto element = CForm::create();
  const Variant target(form);
  for (auto _ : state) element->Aplicar(target);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FormWithFramesConfigured)->Arg(30);

}  // namespace

BENCHMARK_MAIN();
