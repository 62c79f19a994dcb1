// Configuring a synthetic form of 1,000 controls of mixed kinds, against the
// floor: writing the very same properties straight to the same controls.
//
//   BM_DirectWritesFloor   the writes alone, replayed from one configuration
//   BM_ConfigureStable     configurarFormulario with the elements already created
//   BM_ConfigureReloading  after setTema: every accessor re-reads the SQLite store

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "palvex/globales.h"
#include "palvex/property_bag.h"
#include "palvex/settings.h"
#include "palvex/settings_store.h"
#include "palvex/tema.h"
#include "palvex/win32.h"
#include "support/recording_bag.h"

namespace {

using namespace palvex;
// Controls that log what the engine writes, so that the floor can replay it.
using Bag = std::shared_ptr<testing::RecordingBag>;

Bag control(const char* type, std::initializer_list<const char*> colours, const char* controlClass = nullptr) {
  auto bag = testing::RecordingBag::make(type);
  bag->declare("Tag", "");
  if (controlClass) bag->declare("ControlClass", controlClass);
  for (const char* p : colours) bag->declare(p, std::int32_t{0});
  return bag;
}

Bag textControl() {
  return control("skinText", {"borderColor", "borderColorFocused", "foreColor", "foreColorFocused", "BackColor",
                              "backColorFocused"},
                 "TEXT");
}

Bag button() {
  auto b = control("skinButton", {"foreColor", "foreColorFocused", "foreColorDisabled", "BackColor",
                                  "backColorFocused", "backColorDisabled"},
                   "BUTTON");
  b->declare("Enabled", true);
  return b;
}

Bag grid() {
  auto g = control("MSFlexGrid", {"BackColor", "backColorBkg", "backColorFixed", "backColorSel", "foreColor",
                                  "foreColorFixed", "foreColorSel", "gridColor", "gridColorFixed"});
  g->declare("borderStyle", std::int16_t{1});
  return g;
}

Bag slideButton(std::vector<Bag>& all) {
  auto slide = testing::RecordingBag::make("slideButton");
  std::vector<Variant> buttons;
  for (int i = 0; i < 3; ++i) {
    auto b = button();
    all.push_back(b);
    buttons.emplace_back(b);
  }
  slide->method("pickButton", [buttons](std::span<Variant> args) {
    auto i = static_cast<std::size_t>(args[0].toInt16());
    return i < buttons.size() ? buttons[i] : Variant(Nothing{});
  });
  return slide;
}

// The form and every themed object on it (buttons inside composites included).
struct SyntheticForm {
  Bag form;
  std::vector<Bag> all;

  SyntheticForm() {
    std::vector<Variant> controls;
    auto add = [&](Bag b) {
      all.push_back(b);
      controls.emplace_back(b);
    };
    for (int i = 0; i < 1000; ++i) {
      switch (i % 20) {
        case 0: case 1: case 2: case 3: add(control("Label", {"foreColor", "BackColor"})); break;
        case 4: case 5: case 6: case 7: add(textControl()); break;
        case 8: case 9: case 10: add(button()); break;
        case 11: add(grid()); break;
        case 12: case 13: case 14: add(control("CheckBox", {"foreColor", "BackColor"})); break;
        case 15: case 16: add(control("Frame", {"BackColor"})); break;
        case 17: case 18: add(control("Shape", {"borderColor"})); break;
        case 19: controls.emplace_back(slideButton(all)); break;
      }
    }
    auto collection = testing::RecordingBag::make("Controls");
    collection->setItems(std::move(controls));
    form = control("Form", {"BackColor"});
    form->setForm().declare("hWnd", std::int32_t{0}).declare("Controls", Variant(collection));
  }

  void logWrites(bool on) {
    form->logWrites(on);
    for (auto& b : all) b->logWrites(on);
  }
};

struct Session {
  explicit Session(std::shared_ptr<SettingsStore> store) {
    globales::resetEngine();
    win32::reset();
    installSettingsStore(std::move(store));
    tema = Tema::create();
  }
  ~Session() {
    globales::resetEngine();
    win32::reset();
    installSettingsStore(nullptr);
  }
  std::shared_ptr<Tema> tema;
};

void BM_DirectWritesFloor(benchmark::State& state) {
  Session session(makeMemoryStore());
  SyntheticForm f;
  session.tema->configurarFormulario(f.form);  // record what the engine writes
  struct Replay {
    Bag target;
    std::vector<testing::RecordingBag::Write> writes;
  };
  std::vector<Replay> replay{{f.form, f.form->writes()}};
  for (auto& b : f.all) replay.push_back({b, b->writes()});
  f.logWrites(false);
  std::size_t count = 0;
  for (auto& r : replay) count += r.writes.size();

  for (auto _ : state)
    for (auto& r : replay)
      for (auto& w : r.writes) r.target->trySet(w.name, w.value);
  state.counters["writes"] = static_cast<double>(count);
  state.counters["per_control"] =
      benchmark::Counter(static_cast<double>(f.all.size()), benchmark::Counter::kIsIterationInvariantRate |
                                                                benchmark::Counter::kInvert);
}
BENCHMARK(BM_DirectWritesFloor)->Unit(benchmark::kMicrosecond);

void BM_ConfigureStable(benchmark::State& state) {
  Session session(makeMemoryStore());
  SyntheticForm f;
  f.logWrites(false);
  session.tema->configurarFormulario(f.form);  // creates the elements
  for (auto _ : state) session.tema->configurarFormulario(f.form);
  state.counters["per_control"] =
      benchmark::Counter(static_cast<double>(f.all.size()), benchmark::Counter::kIsIterationInvariantRate |
                                                                benchmark::Counter::kInvert);
}
BENCHMARK(BM_ConfigureStable)->Unit(benchmark::kMicrosecond);

void BM_ConfigureReloading(benchmark::State& state) {
  auto dir = std::filesystem::temp_directory_path() / ("palvex-apply-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  {
    std::shared_ptr<SettingsStore> store;
    try {
      store = openSqliteStore(dir / "settings.sqlite");
    } catch (const std::exception& e) {
      state.SkipWithError(e.what());
      return;
    }
    Session session(store);
    // A saved theme, so that the reads find values.
    for (const char* word : {"BUTTON", "GRID", "TEXT", "CHECK", "LABEL", "FORM", "SHAPE"})
      for (const char* key : {"foreColor", "BackColor", "borderColor"})
        store->write(kAppName, elementSection("Oscuro", word), key, "4210752");
    SyntheticForm f;
    f.logWrites(false);
    session.tema->setTema("Oscuro");
    for (auto _ : state) session.tema->configurarFormulario(f.form);
    state.counters["per_control"] =
        benchmark::Counter(static_cast<double>(f.all.size()), benchmark::Counter::kIsIterationInvariantRate |
                                                                  benchmark::Counter::kInvert);
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ConfigureReloading)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
