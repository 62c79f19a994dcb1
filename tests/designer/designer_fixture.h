#pragma once
// Designer tests: a fresh engine and store per test, the designer's dialogs
// and the suite's utility answered by script, and helpers that act on the
// window as a user would (menu entries, clicks on grid cells, keys) and look
// at it as a user would (grabbed pixels).

#include <cmath>
#include <cstdint>
#include <deque>
#include <ostream>
#include <optional>
#include <string>
#include <vector>

#include <QAction>
#include <QEvent>
#include <QImage>
#include <QPointer>
#include <QTableWidget>
#include <QWidget>

#include "palvex/qt/designer.h"
#include "palvex/shared_utility.h"
#include "palvex/tema.h"
#include "support/test_env.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace palvex::testing {

// Answers the questions in order and records every message and question.
class ScriptedUtility final : public SharedUtility {
 public:
  std::string iniPath(std::string& fileName, std::string& appName) override;
  void showMessage(const std::string& message) override { messages.push_back(message); }
  bool askConfirmation(const std::string& question, int buttons, const std::string& title) override;

  std::deque<bool> answers;
  std::vector<std::string> messages;
  std::vector<std::string> questions;
};

// The colour dialog and the input box, answered in order.
class ScriptedDialogs final : public designer::DesignerDialogs {
 public:
  std::optional<std::int32_t> pickColor(QWidget* parent, std::int32_t initial) override;
  std::optional<QString> inputBox(QWidget* parent, const QString& prompt, const QString& title,
                                  const QString& defaultText) override;

  std::deque<std::optional<std::int32_t>> colours;
  std::deque<std::optional<QString>> inputs;
  std::vector<std::int32_t> colourInitials;
  std::vector<QString> inputDefaults;  // what each input box offered
};

class DesignerTest : public EngineTest {
 public:
  DesignerTest();
  ~DesignerTest() override;

  // Opens a window through the designer's own entry point.
  QWidget* open();
  QWidget* window() const { return window_; }

  template <class T = QWidget>
  T* find(const char* name) const { return window_->findChild<T*>(QString::fromLatin1(name)); }
  void trigger(const char* name) const;

  QTableWidget* grid() const { return find<QTableWidget>("grdProperties"); }
  // The grid's body rows as (name, value text).
  std::vector<std::pair<std::string, std::string>> rows() const;
  // The row of the property named `propName`, without regard to case.
  int rowOf(const std::string& propName) const;
  // A real mouse click on the centre of body cell (row, column).
  void clickCell(int row, int column) const;

  // A length of the layout's own 96-dpi units on this screen.
  int px(int v) const { return static_cast<int>(std::lround(v * window_->logicalDpiX() / 96.0)); }
  // The window as painted, and the colour at `at` in `widget`'s coordinates.
  QColor pixel(QWidget* widget, QPoint at) const;
  // The colour inside body cell (row, column), away from its text and lines.
  QColor cellPixel(int row, int column) const;

  bool unsaved() const;
  QString currentElement() const;

  // Every designer test runs with a theme object, as a host application would.
  std::shared_ptr<Tema> tema_;
  std::shared_ptr<ScriptedUtility> utility_ = std::make_shared<ScriptedUtility>();
  std::shared_ptr<ScriptedDialogs> dialogs_ = std::make_shared<ScriptedDialogs>();
  QPointer<QWidget> window_;
};

// Counts the paint events `widget` gets. A grab paints everything afresh, so
// only these show that the window itself asked for a repaint.
class PaintCounter final : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace palvex::testing
