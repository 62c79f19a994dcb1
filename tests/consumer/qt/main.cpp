// Uses the Qt binding as a host would: a form colour set on the engine's
// shared element, then a plain QWidget window themed and grabbed, so that the
// colour must travel engine -> binding -> screen. Creating a suite control
// by name and casting it back needs the control's exported meta-object.
#include <palvex/element.h>
#include <palvex/globales.h>
#include <palvex/qt/controls.h>
#include <palvex/qt/palvex_qt.h>
#include <palvex/settings_store.h>
#include <palvex/tema.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  palvex::qt::install();
  palvex::installSettingsStore(palvex::makeMemoryStore());

  // The form colour every window takes, as the designer would set it.
  const auto form = palvex::globales::sharedElement("CForm");
  form->setValue(form->indexOf("BackColor"), 0x123456);  // 0x00BBGGRR: red 0x56, green 0x34, blue 0x12

  QWidget window;
  window.setObjectName(QStringLiteral("consumerWindow"));
  window.resize(80, 60);
  std::unique_ptr<QWidget> button(palvex::qt::createControl(QStringLiteral("skinButton"), &window));
  if (!qobject_cast<palvex::qt::skinButton*>(button.get())) {
    std::fputs("createControl(\"skinButton\") did not make a skinButton\n", stderr);
    return 1;
  }
  button->setObjectName(QStringLiteral("consumerButton"));
  button->setGeometry(40, 30, 30, 20);

  palvex::Tema::create()->configurarFormulario(palvex::qt::object(&window));
  window.show();
  QApplication::processEvents();

  const QColor seen = window.grab().toImage().pixelColor(5, 5);
  if (seen != QColor(0x56, 0x34, 0x12)) {
    std::fprintf(stderr, "the themed window shows %s, not the form colour #563412\n", qPrintable(seen.name()));
    return 1;
  }
  std::puts("qt consumer: a window themed through the binding");
  return 0;
}
