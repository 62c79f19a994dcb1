#include "designer/designer_fixture.h"

#include <QApplication>
#include <QScopeGuard>
#include <QTest>

#include "palvex/globales.h"

namespace palvex::testing {

std::string ScriptedUtility::iniPath(std::string& fileName, std::string& appName) {
  return makeDefaultSharedUtility()->iniPath(fileName, appName);
}

namespace {

// The next scripted answer; a question nobody scripted fails the test.
template <class Answer>
Answer next(std::deque<Answer>& answers, const std::string& question) {
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected " << question;
    return Answer{};
  }
  // Handed out in place and dropped on the way out: moving an optional<QString>
  // out first trips a false "may be used uninitialized" in GCC 12 at -O2.
  const auto drop = qScopeGuard([&answers] { answers.pop_front(); });
  return answers.front();
}

}  // namespace

// The designer asks with the utility's plain buttons and title, (0, "").
bool ScriptedUtility::askConfirmation(const std::string& question, int buttons, const std::string& title) {
  questions.push_back(question);
  EXPECT_EQ(std::pair(buttons, title), std::pair(0, std::string())) << question;
  return next(answers, "question: " + question);
}

std::optional<std::int32_t> ScriptedDialogs::pickColor(QWidget*, std::int32_t initial) {
  colourInitials.push_back(initial);
  return next(colours, "colour dialog");
}

std::optional<QString> ScriptedDialogs::inputBox(QWidget*, const QString& prompt, const QString&,
                                                 const QString& defaultText) {
  inputDefaults.push_back(defaultText);
  return next(inputs, "input box: " + prompt.toStdString());
}

DesignerTest::DesignerTest() {
  installSharedUtility(utility_);
  designer::installDesignerDialogs(dialogs_);
  tema_ = Tema::create();
}

DesignerTest::~DesignerTest() {
  QList<QPointer<QWidget>> designers;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String("frmDesigner")) designers << w;
  for (const QPointer<QWidget>& w : designers) delete w.data();
  designer::installDesignerDialogs(nullptr);
  installSharedUtility(nullptr);
}

QWidget* DesignerTest::open() {
  QWidget* w = designer::openDesigner();
  if (!window_) window_ = w;
  // Active, so that focus moves inside it.
  w->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(w));
  return w;
}

void DesignerTest::trigger(const char* name) const {
  QAction* a = find<QAction>(name);
  ASSERT_NE(a, nullptr) << name;
  a->trigger();
}

std::vector<std::pair<std::string, std::string>> DesignerTest::rows() const {
  std::vector<std::pair<std::string, std::string>> out;
  QTableWidget* g = grid();
  for (int r = 0; r < g->rowCount(); ++r) {
    auto text = [&](int c) { return g->item(r, c) ? g->item(r, c)->text().toStdString() : std::string(); };
    out.emplace_back(text(0), text(1));
  }
  return out;
}

int DesignerTest::rowOf(const std::string& propName) const {
  const auto all = rows();
  for (std::size_t r = 0; r < all.size(); ++r)
    if (QString::fromStdString(all[r].first).compare(QString::fromStdString(propName), Qt::CaseInsensitive) == 0)
      return static_cast<int>(r);
  ADD_FAILURE() << "no row " << propName;
  return -1;
}

void DesignerTest::clickCell(int row, int column) const {
  QTableWidget* g = grid();
  const QModelIndex index = g->model()->index(row, column);
  g->scrollTo(index);
  QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(index).center());
}

QColor DesignerTest::pixel(QWidget* widget, QPoint at) const {
  QWidget* top = widget->window();
  return top->grab().toImage().pixelColor(widget->mapTo(top, at));
}

QColor DesignerTest::cellPixel(int row, int column) const {
  QTableWidget* g = grid();
  const QModelIndex index = g->model()->index(row, column);
  g->scrollTo(index);
  const QRect cell = g->visualRect(index);
  // Clear of the text (names are left-aligned, values right-aligned) and of the lines.
  const int x = column == 0 ? cell.right() - 3 : cell.left() + 3;
  const QPoint inside(x, cell.top() + cell.height() / 2);
  return pixel(g->viewport(), inside);
}

bool DesignerTest::unsaved() const { return window_->property("unsavedChanges").toBool(); }

QString DesignerTest::currentElement() const { return window_->property("currentElement").toString(); }

}  // namespace palvex::testing
