// palvex-demo: a business window coloured by Palvex, shown on screen or
// rendered to PNG files.

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include "demo_app.h"
#include "demo_options.h"
#include "demo_render.h"
#include "demo_store.h"
#include "palvex/qt/designer.h"
#include "palvex/qt/follow_store.h"
#include "palvex/qt/palvex_qt.h"

namespace {

using namespace palvex::demo;

int refuse(const std::string& message) {
  std::cerr << "palvex-demo: " << message << '\n';
  return 1;
}

bool isSet(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// Rendering never needs a screen: unless the user chose a platform, it goes
// offscreen, so that it works the same with a display, without one, and in CI.
void choosePlatform(const Options& options) {
  if (isSet("QT_QPA_PLATFORM")) return;
  if (options.rendering() || (!isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY"))) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

// Two things Qt always says when it runs without a display, which only
// worry a reader of the pictures' log.
QtMessageHandler standardHandler = nullptr;

void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && (message.contains("propagateSizeHints") || message.contains("XDG_RUNTIME_DIR")))
    return;
  standardHandler(type, context, message);
}

void save(const QImage& image, const QString& file) {
  if (image.isNull() || !image.save(file, "PNG"))
    throw std::runtime_error("cannot write " + file.toStdString());
  std::cout << QFileInfo(file).absoluteFilePath().toStdString() << '\n';
}

void renderOne(DemoApp& demo, const Options& options) {
  if (!options.designer) return save(renderWindow(&demo.window(), options.size), options.renderFile);
  QWidget* designer = palvex::designer::openDesigner();
  // With an element chosen the property grid shows its colours, as a user sees it at work.
  if (auto* buttons = designer->findChild<QAction*>("MC_BUTTON")) buttons->trigger();
  save(renderWindow(designer, options.size), options.renderFile);
  designer->close();
}

void renderAll(DemoApp& demo, const Options& options) {
  if (!QDir().mkpath(options.renderAllDir)) throw std::runtime_error("cannot create " + options.renderAllDir.toStdString());
  const QDir dir(options.renderAllDir);
  std::vector<std::pair<QString, QImage>> shots;
  for (const QString& theme : demo.themes()) {
    demo.chooseTheme(theme);
    shots.emplace_back(theme, renderWindow(&demo.window(), options.size));
    save(shots.back().second, dir.filePath(pictureName(theme)));
  }
  if (shots.empty()) throw std::runtime_error("the catalogue is empty: there is no theme to render");
  save(contactSheet(shots), dir.filePath("contact-sheet.png"));
}

// Without a display the demo still shows what it would have shown: every
// theme, a contact sheet and the designer, in a new folder it names.
void renderInstead(DemoApp& demo, Options options) {
  QTemporaryDir folder(QDir::tempPath() + "/palvex-demo-pictures-XXXXXX");
  if (!folder.isValid()) throw std::runtime_error("cannot create a folder for the pictures");
  folder.setAutoRemove(false);
  std::cerr << "palvex-demo: no display (DISPLAY and WAYLAND_DISPLAY are unset): rendering every theme and the "
               "designer instead\n";
  options.renderAllDir = folder.path();
  renderAll(demo, options);
  if (!demo.themes().isEmpty()) demo.chooseTheme(demo.themes().first());
  options.renderFile = QDir(folder.path()).filePath("designer.png");
  options.designer = true;
  renderOne(demo, options);
}

void tellAboutStore(const DemoStore& store) {
  if (!store.seeded()) return;
  std::cout << "Working in a throw-away store with the sample themes, removed on exit:\n  " << store.path().string()
            << "\nChange it from another terminal and watch the window follow, for instance:\n  palvex --store '"
            << store.path().string() << "' set Claro CForm BackColor '#FFE8D0'\n"
            << std::flush;
}

int run(const Options& options) {
  auto store = options.store.isEmpty() ? DemoStore::throwAway()
                                       : DemoStore::existing(std::filesystem::path(options.store.toStdString()));
  palvex::qt::install();
  DemoApp demo(options.theme);
  if (!options.renderFile.isEmpty()) {
    renderOne(demo, options);
    return 0;
  }
  if (!options.renderAllDir.isEmpty()) {
    renderAll(demo, options);
    return 0;
  }
  if (QGuiApplication::platformName() == "offscreen") {
    renderInstead(demo, options);
    return 0;
  }
  tellAboutStore(store);
  // What another program saves (palvex set, a designer elsewhere) shows here.
  palvex::qt::followStore(store.path());
  demo.window().show();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  Options options;
  try {
    options = parseOptions(arguments);
  } catch (const OptionError& e) {
    return refuse(std::string(e.what()) + " (see palvex-demo --help)");
  }
  if (options.help) {
    std::cout << helpText().toStdString();
    return 0;
  }
  choosePlatform(options);
  if (qgetenv("QT_QPA_PLATFORM") == "offscreen") standardHandler = qInstallMessageHandler(quietOffscreenNotes);
  QApplication app(argc, argv);
  // A Spanish business application: 5,00 and 15/03/2024.
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  try {
    return run(options);
  } catch (const std::exception& e) {
    return refuse(e.what());
  }
}
