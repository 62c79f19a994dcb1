#pragma once
// The command line of palvex-demo.

#include <optional>
#include <stdexcept>

#include <QSize>
#include <QString>
#include <QStringList>

namespace palvex::demo {

struct Options {
  QString store;       // empty: a throw-away store seeded with the sample themes
  QString theme;       // empty: the first theme of the catalogue
  QString renderFile;  // render one PNG instead of showing the window
  QString renderAllDir;
  QSize size{1000, 700};
  bool designer = false;  // with renderFile: the designer window instead of the demo
  bool help = false;
  bool rendering() const { return !renderFile.isEmpty() || !renderAllDir.isEmpty(); }
};

// What the user typed wrong, said in one line.
class OptionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// `arguments` as main() got them, program name first.
Options parseOptions(const QStringList& arguments);
QString helpText();

}  // namespace palvex::demo
