#pragma once
// The demo as a host of the engine: one Tema, one window themed through the
// Qt binding, the chooser wired to setTema and the window re-themed on
// NuevoTema, as any application of the suite would do it.

#include <memory>

#include <QObject>
#include <QStringList>

#include "demo_window.h"
#include "palvex/tema.h"

namespace palvex::demo {

class DemoApp : public QObject {
  Q_OBJECT

 public:
  // Needs palvex::qt::install() to have run. Starts in `theme` (case-blind;
  // empty: the first of the catalogue, or Default when it is empty); throws
  // std::runtime_error naming the catalogue for a theme it lacks.
  explicit DemoApp(const QString& theme);
  ~DemoApp() override;

  DemoWindow& window() { return window_; }
  Tema& tema() { return *tema_; }
  QStringList themes();
  // setTema; the window follows through NuevoTema.
  void chooseTheme(const QString& name);

 private:
  void retheme();
  void refreshChooser();
  QString catalogueName(const QString& requested);

  std::shared_ptr<Tema> tema_;
  Tema::Connection nuevoTema_ = 0;
  DemoWindow window_;
};

}  // namespace palvex::demo
