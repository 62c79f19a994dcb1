#include "demo_app.h"

#include <stdexcept>

#include <QMessageBox>

#include "palvex/globales.h"
#include "palvex/qt/palvex_qt.h"

namespace palvex::demo {

DemoApp::DemoApp(const QString& theme) : tema_(Tema::create()) {
  const QString start = catalogueName(theme);
  nuevoTema_ = tema_->connectNuevoTema([this](Variant& nombreTema) {
    retheme();
    window_.showCurrentTheme(QString::fromStdString(nombreTema.toString()));
  });
  connect(&window_, &DemoWindow::themeChosen, this, &DemoApp::chooseTheme);
  connect(&window_, &DemoWindow::editThemeRequested, this, [this] {
    try {
      tema_->editarTema();
    } catch (const std::exception& e) {
      QMessageBox::warning(&window_, "Palvex", QString("No se puede abrir el diseñador: ") + e.what());
    }
  });
  // The designer may have saved a new combination while it had the focus.
  connect(&window_, &DemoWindow::activated, this, &DemoApp::refreshChooser);
  window_.setThemes(themes(), start);
  tema_->setTema(start.toStdString());
}

DemoApp::~DemoApp() { tema_->disconnectNuevoTema(nuevoTema_); }

QStringList DemoApp::themes() {
  QStringList names;
  for (const auto& name : tema_->listaPalvex()) names << QString::fromStdString(name);
  return names;
}

void DemoApp::chooseTheme(const QString& name) { tema_->setTema(name.toStdString()); }

void DemoApp::retheme() { tema_->configurarFormulario(qt::object(&window_)); }

void DemoApp::refreshChooser() {
  const auto names = themes();
  window_.setThemes(names, QString::fromStdString(globales::currentThemeName()));
}

QString DemoApp::catalogueName(const QString& requested) {
  const auto names = themes();
  if (requested.isEmpty()) return names.isEmpty() ? QString("Default") : names.first();
  for (const QString& name : names)
    if (name.compare(requested, Qt::CaseInsensitive) == 0) return name;
  if (requested.compare("Default", Qt::CaseInsensitive) == 0) return "Default";
  const QString known = names.isEmpty() ? QString("the catalogue is empty") : "themes: " + names.join(", ");
  throw std::runtime_error(("no theme \"" + requested + "\" in the catalogue (" + known + ")").toStdString());
}

}  // namespace palvex::demo
