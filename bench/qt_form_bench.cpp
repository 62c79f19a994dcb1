// Theming a large Qt form: a window of 1,000 mixed controls in group boxes,
// with a toolbar, a status bar and a menu bar with submenus, two themes
// alternating so that every apply changes every colour.
//
//   BM_EngineApply            configurarFormulario on the window
//   BM_EngineApplySettle      the same, then events processed until idle (repaint)
//   BM_BarePaletteApply       one setPalette per widget, with the palettes the
//                             engine ends with (the floor for palette work)
//   BM_BarePaletteApplySettle the same, then events processed until idle
//   BM_StyleSheetApplySettle  one style sheet on the window giving the same
//                             colours, then events processed until idle
//
// Runs offscreen. Switching themes loads the elements from the store once and
// clears the reload flag, as the designer does, so that the figures are the
// binding's and not the store's.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>

#include <benchmark/benchmark.h>

#include "palvex/element.h"
#include "palvex/globales.h"
#include "palvex/qt/palvex_qt.h"
#include "palvex/settings_store.h"
#include "palvex/tema.h"

namespace {

constexpr int kGroups = 20;
constexpr int kControlsPerGroup = 50;
const std::array<std::string, 2> kThemes = {"Mañana", "Noche"};

// A control of kind `i % 13`, as a form of the suite mixes them.
QWidget* makeControl(int i) {
  const QString text = QStringLiteral("c%1").arg(i);
  switch (i % 13) {
    case 0: return new QPushButton(text);
    case 1: return new QLineEdit(text);
    case 2: {
      auto* combo = new QComboBox;
      combo->addItems({text, QStringLiteral("other")});
      return combo;
    }
    case 3: return new QSpinBox;
    case 4: {
      auto* check = new QCheckBox(text);
      check->setChecked(i % 2 == 0);
      return check;
    }
    case 5: return new QRadioButton(text);
    case 6: return new QLabel(text);
    case 7: {
      auto* boxed = new QLabel(text);
      boxed->setFrameShape(QFrame::Box);
      boxed->setProperty("boxed", true);
      return boxed;
    }
    case 8: {
      auto* shape = new QFrame;
      shape->setFrameShape(QFrame::Box);
      shape->setProperty("shape", true);
      shape->setMinimumSize(12, 12);
      return shape;
    }
    case 9: {
      auto* disabled = new QPushButton(text);
      disabled->setEnabled(false);
      return disabled;
    }
    case 10: {
      auto* list = new QListWidget;
      list->addItems({text, QStringLiteral("b")});
      list->setMaximumHeight(40);
      return list;
    }
    case 11: {
      auto* grid = new QTableWidget(2, 2);
      grid->setItem(0, 0, new QTableWidgetItem(text));
      grid->setMaximumHeight(60);
      return grid;
    }
    default: {
      auto* tabs = new QTabWidget;
      tabs->addTab(new QWidget, QStringLiteral("A"));
      tabs->addTab(new QWidget, QStringLiteral("B"));
      tabs->setMaximumHeight(50);
      return tabs;
    }
  }
}

std::unique_ptr<QMainWindow> buildForm() {
  auto window = std::make_unique<QMainWindow>();
  auto* central = new QWidget;
  window->setCentralWidget(central);
  auto* outer = new QGridLayout(central);
  int n = 0;
  for (int g = 0; g < kGroups; ++g) {
    auto* group = new QGroupBox(QStringLiteral("Group %1").arg(g));
    auto* grid = new QGridLayout(group);
    grid->setSpacing(1);
    for (int c = 0; c < kControlsPerGroup; ++c) grid->addWidget(makeControl(n++), c / 5, c % 5);
    outer->addWidget(group, g / 5, g % 5);
  }
  QToolBar* toolbar = window->addToolBar(QStringLiteral("tools"));
  for (int i = 0; i < 6; ++i) toolbar->addAction(QStringLiteral("T%1").arg(i));
  window->statusBar()->showMessage(QStringLiteral("ready"));
  for (int m = 0; m < 4; ++m) {
    QMenu* menu = window->menuBar()->addMenu(QStringLiteral("Menu %1").arg(m));
    for (int s = 0; s < 3; ++s) menu->addMenu(QStringLiteral("Sub %1").arg(s))->addAction(QStringLiteral("item"));
  }
  window->resize(2400, 1600);
  window->show();
  return window;
}

void settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

std::int32_t themeColour(int theme, std::size_t element, std::size_t property) {
  return (0x20 + static_cast<int>(element) * 0x15) | (0x30 + static_cast<int>(property) * 0x11) << 8 |
         (theme == 0 ? 0x40 : 0xC0) << 16;
}

// Two themes in the store, every value different between them.
void storeThemes() {
  using namespace palvex;
  constexpr std::string_view elements[] = {"CCommandButton", "CGrid",      "CText", "CTabStrip", "CCheckBox",
                                           "CLabel",         "CToolBar",   "CStatusBar", "CForm", "CShape"};
  for (int t = 0; t < 2; ++t) {
    globales::setCurrentThemeName(kThemes[static_cast<std::size_t>(t)]);
    for (std::size_t e = 0; e < std::size(elements); ++e) {
      std::shared_ptr<Element> element = globales::sharedElement(elements[e]);
      // The grids keep their border style: the themes differ in colours.
      for (std::size_t p = 0; p < element->table().properties.size(); ++p)
        element->setValue(p, element->table().properties[p].width == PropertyWidth::Whole16
                                 ? 1
                                 : themeColour(t, e, p));
      element->Update();
    }
  }
}

// The shared elements of `name`, loaded once.
void switchTheme(palvex::Tema& tema, int theme) {
  tema.setTema(kThemes[static_cast<std::size_t>(theme)]);
  for (std::string_view e : {"CCommandButton", "CGrid", "CText", "CTabStrip", "CCheckBox", "CLabel", "CToolBar",
                             "CStatusBar", "CForm", "CShape"})
    palvex::globales::sharedElement(e);
  palvex::globales::setReloadElements(false);
}

QString css(std::int32_t colourRef) {
  return QColor(colourRef & 0xFF, (colourRef >> 8) & 0xFF, (colourRef >> 16) & 0xFF).name();
}

// The same colours as one style sheet.
QString styleSheetFor(int theme) {
  auto c = [&](int element, int property) { return css(themeColour(theme, static_cast<std::size_t>(element),
                                                                   static_cast<std::size_t>(property))); };
  // Element numbers as in storeThemes; property numbers in each element's order.
  return QStringLiteral(
             "QMainWindow, QGroupBox { background: %1; }"
             "QPushButton { background: %2; color: %3; border: 1px solid %3; }"
             "QPushButton:focus { background: %4; color: %5; }"
             "QPushButton:disabled { background: %6; color: %7; }"
             "QLineEdit, QComboBox, QSpinBox, QListWidget { background: %8; color: %9; border: 1px solid %10; }"
             "QLineEdit:focus, QComboBox:focus, QSpinBox:focus, QListWidget:focus { background: %11; color: %12;"
             " border: 1px solid %13; }"
             "QTabWidget::pane { border: 1px solid %14; }"
             "QTabBar::tab { background: %15; border: 1px solid %16; }"
             "QTabBar::tab:selected { background: %17; border: 1px solid %18; }"
             "QTabBar::tab:hover { border: 1px solid %19; }"
             "QCheckBox { color: %20; } QCheckBox::indicator:checked { background: %21; }"
             "QRadioButton, QLabel { color: %22; background: %1; }"
             "QLabel[boxed=\"true\"] { background: %8; color: %9; border: 1px solid %10; }"
             "QFrame[shape=\"true\"] { border: 1px solid %23; }"
             "QTableView { background: %24; color: %25; gridline-color: %26;"
             " selection-background-color: %27; selection-color: %28; }"
             "QHeaderView::section { background: %29; color: %30; border: 1px solid %31; }"
             "QToolBar { background: %32; } QStatusBar { background: %33; }"
             "QMenuBar, QMenu { background: %34; }")
      .arg(c(8, 0), c(0, 3), c(0, 0), c(0, 4), c(0, 1), c(0, 5), c(0, 2), c(2, 4), c(2, 2))
      .arg(c(2, 0), c(2, 5), c(2, 3), c(2, 1), c(3, 7), c(3, 0), c(3, 5), c(3, 1), c(3, 6), c(3, 2))
      .arg(c(4, 0), c(4, 1), c(5, 0), c(9, 0), c(1, 1), c(1, 4), c(1, 7), c(1, 3), c(1, 6), c(1, 2))
      .arg(c(1, 5), c(1, 8), c(6, 0), c(7, 0), c(8, 1));
}

struct Setup {
  std::shared_ptr<palvex::Tema> tema;
  std::unique_ptr<QMainWindow> engineForm;
  std::unique_ptr<QMainWindow> styleSheetForm;
  // Per widget the engine coloured, its palette in each theme.
  struct Palettes {
    QWidget* widget;
    std::array<QPalette, 2> palette;
  };
  std::vector<Palettes> bare;
};

Setup& setup() {
  static Setup s;
  return s;
}

// What the screen shows (the window's backing store) of an enabled push
// button without the focus.
QColor screenButtonFace(QMainWindow* form) {
  QPushButton* button = nullptr;
  for (QPushButton* b : form->findChildren<QPushButton*>())
    if (b->isEnabled() && !b->hasFocus()) button = b;
  const QImage image = form->screen()->grabWindow(form->winId()).toImage();
  return QColor(image.pixel(button->mapTo(form, QPoint(3, 3))));
}

void bareApply(int theme);

void expectOnScreen(const char* variant, QMainWindow* form, int theme) {
  const QColor shown = screenButtonFace(form);
  const std::int32_t wanted = themeColour(theme, 0, 3);
  if (shown != QColor(wanted & 0xFF, (wanted >> 8) & 0xFF, (wanted >> 16) & 0xFF))
    qFatal("%s left the screen showing %s", variant, qPrintable(shown.name()));
}

void prepare() {
  Setup& s = setup();
  palvex::installSettingsStore(palvex::makeMemoryStore());
  s.tema = palvex::Tema::create();
  storeThemes();
  s.engineForm = buildForm();
  s.styleSheetForm = buildForm();
  settle();

  // The palettes the engine ends with, per theme, captured after a first
  // round that also gave the widgets their style.
  std::vector<QWidget*> widgets{s.engineForm.get()};
  for (QWidget* w : s.engineForm->findChildren<QWidget*>()) widgets.push_back(w);
  std::vector<std::array<QPalette, 2>> captured(widgets.size());
  for (int t = 0; t < 2; ++t) {
    switchTheme(*s.tema, t);
    s.tema->configurarFormulario(palvex::qt::object(s.engineForm.get()));
    settle();
    for (std::size_t i = 0; i < widgets.size(); ++i) captured[i][static_cast<std::size_t>(t)] = widgets[i]->palette();
  }
  for (std::size_t i = 0; i < widgets.size(); ++i)
    if (captured[i][0].resolveMask() != 0 || captured[i][1].resolveMask() != 0)
      s.bare.push_back({widgets[i], captured[i]});

  // Every variant must leave the screen showing the theme, or its figure means nothing.
  const std::array<QString, 2> sheets = {styleSheetFor(0), styleSheetFor(1)};
  for (int t = 0; t < 2; ++t) {
    switchTheme(*s.tema, t);
    s.tema->configurarFormulario(palvex::qt::object(s.engineForm.get()));
    settle();
    expectOnScreen("engine", s.engineForm.get(), t);
    bareApply(1 - t);
    settle();
    expectOnScreen("bare palettes", s.engineForm.get(), 1 - t);
    s.styleSheetForm->setStyleSheet(sheets[static_cast<std::size_t>(t)]);
    settle();
    expectOnScreen("style sheet", s.styleSheetForm.get(), t);
  }
}

void BM_EngineApply(benchmark::State& state) {
  Setup& s = setup();
  int theme = 0;
  for (auto _ : state) {
    switchTheme(*s.tema, theme);
    s.tema->configurarFormulario(palvex::qt::object(s.engineForm.get()));
    state.PauseTiming();
    settle();
    theme = 1 - theme;
    state.ResumeTiming();
  }
}

void BM_EngineApplySettle(benchmark::State& state) {
  Setup& s = setup();
  int theme = 0;
  for (auto _ : state) {
    switchTheme(*s.tema, theme);
    s.tema->configurarFormulario(palvex::qt::object(s.engineForm.get()));
    settle();
    theme = 1 - theme;
  }
}

void bareApply(int theme) {
  for (const Setup::Palettes& p : setup().bare) p.widget->setPalette(p.palette[static_cast<std::size_t>(theme)]);
}

void BM_BarePaletteApply(benchmark::State& state) {
  int theme = 0;
  for (auto _ : state) {
    bareApply(theme);
    state.PauseTiming();
    settle();
    theme = 1 - theme;
    state.ResumeTiming();
  }
  state.counters["widgets"] = static_cast<double>(setup().bare.size());
}

void BM_BarePaletteApplySettle(benchmark::State& state) {
  int theme = 0;
  for (auto _ : state) {
    bareApply(theme);
    settle();
    theme = 1 - theme;
  }
}

void BM_StyleSheetApplySettle(benchmark::State& state) {
  const std::array<QString, 2> sheets = {styleSheetFor(0), styleSheetFor(1)};
  QMainWindow* form = setup().styleSheetForm.get();
  int theme = 0;
  for (auto _ : state) {
    form->setStyleSheet(sheets[static_cast<std::size_t>(theme)]);
    settle();
    theme = 1 - theme;
  }
}

BENCHMARK(BM_EngineApply)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EngineApplySettle)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BarePaletteApply)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BarePaletteApplySettle)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StyleSheetApplySettle)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  palvex::qt::install();
  prepare();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  setup() = Setup{};
  return 0;
}
