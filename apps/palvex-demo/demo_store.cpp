#include "demo_store.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <vector>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "commands.h"  // the palvex tool's import, so that the samples load by its rules
#include "palvex/globales.h"
#include "palvex/settings_store.h"

namespace palvex::demo {
namespace fs = std::filesystem;

fs::path sampleThemesDir() {
  // Installed: <prefix>/bin/palvex-demo and <prefix>/share/palvex/themes.
  const fs::path program = fs::path(QCoreApplication::applicationDirPath().toStdString());
  const fs::path installed = program.parent_path() / "share" / "palvex" / "themes";
  std::error_code ec;
  if (fs::is_directory(installed, ec)) return installed;
  return fs::path(PALVEX_SOURCE_THEMES_DIR);
}

DemoStore::DemoStore(fs::path path, std::unique_ptr<QTemporaryDir> folder)
    : path_(std::move(path)), folder_(std::move(folder)) {
  installSettingsStore(openSqliteStore(path_));
}

DemoStore::DemoStore(DemoStore&&) noexcept = default;

DemoStore::~DemoStore() {
  if (folder_) installSettingsStore(makeMemoryStore());  // let go of the file before its folder goes
}

DemoStore DemoStore::throwAway() {
  auto folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/palvex-demo-XXXXXX");
  if (!folder->isValid()) throw std::runtime_error("cannot create a temporary folder: " + folder->errorString().toStdString());
  const fs::path dir = folder->path().toStdString();
  ::setenv("PALVEX_INI", (dir / "Orvane.ini").c_str(), 1);  // absent: nothing overrides the samples

  const auto themes = sampleThemesDir();
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(themes, ec))
    if (entry.path().extension() == ".ini") files.push_back(entry.path());
  if (files.empty()) throw std::runtime_error("no sample themes (*.ini) in " + themes.string());
  std::sort(files.begin(), files.end());

  const fs::path store = dir / "settings.sqlite";
  for (const auto& file : files) {
    std::ostringstream said;
    cli::runImport(store, cli::ImportOptions{file, std::nullopt}, said);
  }
  // The imports leave a current theme and a first Tema behind; the demo starts afresh.
  globales::resetEngine();
  return DemoStore(store, std::move(folder));
}

DemoStore DemoStore::existing(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) throw std::runtime_error("no settings store at " + path.string());
  return DemoStore(path, nullptr);
}

}  // namespace palvex::demo
