// Opening the designer to its first painted frame, against a plain window
// holding the same widgets (same layout, same menus) that no theme touches.
// Both run in the same process, on the offscreen platform unless another is set.
//
//   BM_OpenDesigner   openDesigner(): build, theme through the engine, show, first paint
//   BM_PlainWindow    the same widgets built, shown and painted, without the engine
//
// Target: BM_OpenDesigner <= 1.3 x BM_PlainWindow.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "designer/designer_layout.h"
#include "palvex/qt/designer.h"
#include "palvex/qt/palvex_qt.h"
#include "palvex/settings_store.h"
#include "palvex/tema.h"

namespace {

// Tells when the window has received its first paint.
class FirstPaint final : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

// Shows `window` and runs the event loop until its first frame is painted.
bool showAndPaint(QWidget& window) {
  FirstPaint watch;
  window.installEventFilter(&watch);
  window.show();
  for (int spins = 0; !watch.painted && spins < 10000; ++spins) QCoreApplication::processEvents();
  // The rest of that frame (the children) is painted in the same pass.
  QCoreApplication::processEvents();
  window.removeEventFilter(&watch);
  return watch.painted;
}

void dispose(QWidget* window) {
  delete window;
  QCoreApplication::processEvents();
}

// The designer's menu bar, as text only.
void addMenus(QMainWindow& window) {
  QMenu* elements = window.menuBar()->addMenu(QStringLiteral("&Elementos"));
  for (const char* caption :
       {"Barras de herramientas", "Barra de status", "Botones de comando", "Controles de texto", "Cuadricula",
        "Cuadros de verificacion", "Etiquetas", "Fondo del formulario", "Menues", "Pestañas", "Shape"})
    elements->addAction(QString::fromUtf8(caption));
  window.menuBar()->addAction(QStringLiteral("&Actualizar"));
  window.menuBar()->addAction(QStringLiteral("&Terminar"));
}

void BM_OpenDesigner(benchmark::State& state) {
  for (auto _ : state) {
    QWidget* window = palvex::designer::openDesigner();
    if (!showAndPaint(*window)) state.SkipWithError("the designer was never painted");
    state.PauseTiming();
    dispose(window);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenDesigner)->Unit(benchmark::kMillisecond);

void BM_PlainWindow(benchmark::State& state) {
  for (auto _ : state) {
    auto* window = new QMainWindow;
    palvex::designer::detail::buildLayout(*window);
    addMenus(*window);
    if (!showAndPaint(*window)) state.SkipWithError("the plain window was never painted");
    state.PauseTiming();
    dispose(window);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PlainWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  palvex::installSettingsStore(palvex::makeMemoryStore());
  palvex::qt::install();
  auto tema = palvex::Tema::create();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
