// Following the store across processes (include/palvex/qt/follow_store.h).

#include "palvex/qt/follow_store.h"

#include <set>
#include <string>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "palvex/elements.h"
#include "palvex/globales.h"
#include "palvex/qt/palvex_qt.h"
#include "palvex/settings.h"
#include "palvex/settings_store.h"
#include "palvex/tema.h"

namespace palvex::qt {
namespace {

// Long enough to gather the writes of one save (the ten elements of a
// designer's save land one after another), short enough to stay well within
// a second.
constexpr int kSettleMilliseconds = 150;

// The current theme's values as stored: every section of the theme, in order.
struct ThemeSnapshot {
  std::string theme;
  std::vector<SettingPairs> sections;
  bool operator==(const ThemeSnapshot&) const = default;
};

ThemeSnapshot snapshotCurrentTheme() {
  ThemeSnapshot snapshot{globales::currentThemeName(), {}};
  std::set<std::string_view> words;
  for (const auto* table : elementTables())
    if (words.insert(table->sectionWord).second)
      snapshot.sections.push_back(settingsStore().enumerate(kAppName, elementSection(snapshot.theme, table->sectionWord)));
  return snapshot;
}

bool isForm(const QWidget* widget) {
  const auto type = widget->windowType();
  return widget->isVisible() && (type == Qt::Window || type == Qt::Dialog);
}

// Every element read afresh, then every open form configured again; the
// reload flag goes back to what it was, so that an open designer keeps
// working on stable instances.
void rethemeOpenForms() {
  const bool reloading = globales::reloadElements();
  globales::setReloadElements(true);
  try {
    for (const auto className : elementClassNames()) globales::sharedElement(className);
    auto tema = globales::firstTema();
    if (!tema) tema = Tema::create();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (!isForm(widget)) continue;
      try {
        tema->configurarFormulario(object(widget));
      } catch (...) {
        // Theming never stops a host: the next window is still configured.
      }
    }
  } catch (...) {
    // An element that cannot be loaded leaves the windows as they were.
  }
  globales::setReloadElements(reloading);
}

// How many StoreFollowingHolds live (the GUI thread's only).
int holds = 0;

class StoreFollower : public QObject {
 public:
  StoreFollower(const QString& file, QObject* parent) : QObject(parent), file_(QFileInfo(file).absoluteFilePath()) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMilliseconds);
    connect(&settle_, &QTimer::timeout, this, &StoreFollower::settled);
    // Not restarted by further events: a steady stream of writes is still
    // looked at every settle interval.
    auto changed = [this] {
      if (!settle_.isActive()) settle_.start();
    };
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, changed);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, changed);
    arm();
    token_ = settingsStore().changeToken();
    seen_ = snapshotCurrentTheme();
  }

  // Looks at the store again shortly (the last hold went).
  void recheck() {
    if (!settle_.isActive()) settle_.start();
  }

 private:
  // The watcher forgets a file that is removed or replaced (a checkpoint may
  // recreate the log, a tool may move a new database into place); the
  // directory watch notices, and the files are watched again here.
  void arm() {
    const QString directory = QFileInfo(file_).absolutePath();
    if (!watcher_.directories().contains(directory)) watcher_.addPath(directory);
    for (const QString& path : {file_, file_ + "-wal"})
      if (QFileInfo::exists(path) && !watcher_.files().contains(path)) watcher_.addPath(path);
  }

  void settled() {
    arm();
    // Held: the change stays unseen (the token is not taken), so that the
    // look the last hold asks for still finds it.
    if (holds > 0) return;
    const auto token = settingsStore().changeToken();
    if (token == token_) return;
    token_ = token;
    auto now = snapshotCurrentTheme();
    if (now == seen_) return;  // another theme, or the catalogue
    // Also when the current theme is another one than last seen: its values
    // may have changed since this process chose it, and themeing again only
    // costs a repaint.
    seen_ = std::move(now);
    rethemeOpenForms();
  }

  QString file_;
  QFileSystemWatcher watcher_;
  QTimer settle_;
  std::uint64_t token_ = 0;
  ThemeSnapshot seen_;
};

QPointer<StoreFollower>& follower() {
  static QPointer<StoreFollower> instance;
  return instance;
}

}  // namespace

bool followStore(const std::filesystem::path& storeFile) {
  stopFollowingStore();
  const QString file = QString::fromStdString(storeFile.empty() ? settingsStore().describe() : storeFile.string());
  if (!QFileInfo(file).isFile()) return false;
  follower() = new StoreFollower(file, QCoreApplication::instance());
  return true;
}

void stopFollowingStore() { delete follower().data(); }

StoreFollowingHold::StoreFollowingHold() { ++holds; }

StoreFollowingHold::~StoreFollowingHold() {
  if (--holds == 0 && follower()) follower()->recheck();
}

}  // namespace palvex::qt
