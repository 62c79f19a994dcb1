// What a user sees: a window holding every kind of widget each element
// colours, themed with the fixture theme and grabbed; the pixel in each area
// is the theme's value exactly, in the normal, focused and disabled states.

#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QScrollBar>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "binding_fixture.h"
#include "palvex/globales.h"
#include "palvex/elements.h"
#include "palvex/qt/palvex_qt.h"
#include "palvex/system_colours.h"

namespace host {

// A host panel of a kind the engine does not know, painting its background.
class Panel : public QWidget {
  Q_OBJECT

 public:
  explicit Panel(QWidget* parent = nullptr) : QWidget(parent) {
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
  }
};

}  // namespace host

namespace palvex::qt::testing {
namespace {

const QString kText = QStringLiteral("MMMM");

// Every kind of widget the elements colour, each with a name the checks use.
// Kinds drawn by the same code as one here are left out (a date edit is the
// spin box's row); a rich text edit is drawn as the plain one but has a row
// of its own, so only its text is checked.
struct Form {
  QMainWindow window;
  QMenu* fileMenu = nullptr;
  QMenu* recentMenu = nullptr;

  template <class W, class... Args>
  W* add(const char* name, int row, int column, Args&&... args) {
    auto* w = new W(std::forward<Args>(args)...);
    w->setObjectName(QString::fromLatin1(name));
    grid->addWidget(w, row, column);
    return w;
  }
  template <class W = QWidget>
  W* get(const char* name) const {
    auto* w = window.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  Form() {
    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("central"));
    window.setCentralWidget(central);
    grid = new QGridLayout(central);
    grid->setContentsMargins(12, 12, 12, 12);

    add<QPushButton>("button", 0, 0, kText);
    add<QPushButton>("buttonFocused", 0, 1, kText);
    add<QPushButton>("buttonDisabled", 0, 2, kText)->setEnabled(false);
    add<QToolButton>("toolButton", 0, 3)->setText(kText);
    add<QPushButton>("buttonOverride", 0, 4, kText)->setProperty("Tag", QStringLiteral("THEMEOVERRIDE"));

    add<QLineEdit>("edit", 1, 0, kText);
    add<QLineEdit>("editFocused", 1, 1, kText);
    add<QLineEdit>("editDisabled", 1, 2, kText)->setEnabled(false);
    add<QTextEdit>("rich", 1, 3, kText);
    add<QComboBox>("combo", 1, 4)->addItem(kText);

    auto* comboEdit = add<QComboBox>("comboEdit", 2, 0);
    comboEdit->setEditable(true);
    comboEdit->addItem(kText);
    add<QSpinBox>("spin", 2, 1)->setValue(88);
    add<QPlainTextEdit>("plain", 2, 2, kText);
    add<QListWidget>("list", 2, 3)->addItem(kText);
    add<host::Panel>("panel", 2, 4)->setMinimumSize(40, 30);

    auto* tabs = add<QTabWidget>("tabs", 3, 0, nullptr);
    tabs->addTab(new QWidget, QStringLiteral("AA"));
    tabs->addTab(new QWidget, QStringLiteral("BB"));
    tabs->setMinimumSize(120, 80);
    auto* tabBar = add<QTabBar>("tabBar", 3, 1, nullptr);
    tabBar->addTab(QStringLiteral("AA"));
    tabBar->addTab(QStringLiteral("BB"));
    add<QCheckBox>("check", 3, 2, kText)->setChecked(true);
    add<QLabel>("label", 3, 3, kText);
    auto* boxed = add<QLabel>("boxed", 3, 4, kText);
    boxed->setFrameShape(QFrame::Box);
    boxed->setMinimumWidth(90);

    auto* shape = add<QFrame>("shape", 4, 0, nullptr);
    shape->setFrameShape(QFrame::Box);
    shape->setMinimumSize(40, 30);
    auto* table = add<QTableWidget>("grid", 4, 1, 2, 2, nullptr);
    table->setHorizontalHeaderLabels({QStringLiteral("HH"), QStringLiteral("HH")});
    table->setItem(0, 0, new QTableWidgetItem(kText));
    table->setItem(1, 0, new QTableWidgetItem(kText));
    table->setMinimumSize(260, 140);
    table->setCurrentCell(1, 0);
    add<QGroupBox>("group", 4, 2, nullptr)->setMinimumSize(80, 50);
    auto* kept = add<QFrame>("frameOverride", 4, 3, nullptr);
    kept->setProperty("Tag", QStringLiteral("THEMEOVERRIDE"));
    kept->setAutoFillBackground(true);
    kept->setMinimumSize(120, 60);
    auto* inKept = new QGridLayout(kept);
    auto* keptLabel = new QLabel(kText);
    keptLabel->setObjectName(QStringLiteral("labelInKept"));
    inKept->addWidget(keptLabel, 0, 0);
    auto* keptRadio = new QRadioButton(kText);
    keptRadio->setObjectName(QStringLiteral("radioInKept"));
    inKept->addWidget(keptRadio, 1, 0);

    auto* line = add<QFrame>("line", 5, 2, nullptr);
    line->setFrameShape(QFrame::HLine);
    line->setLineWidth(2);
    line->setMinimumSize(40, 12);
    add<QLabel>("labelAsText", 5, 3, kText)->setProperty("ControlClass", QStringLiteral("TEXT"));
    // A type name of the host's own: dispatched as a plain check box, by name.
    add<QCheckBox>("checkByType", 5, 1, kText)->setProperty("TypeName", QStringLiteral("CheckBox"));
    // A container whose host stopped its repaints keeps them stopped.
    auto* frozen = add<QGroupBox>("frozen", 5, 0, nullptr);
    (new QPushButton(kText, frozen))->setObjectName(QStringLiteral("frozenButton"));
    frozen->setUpdatesEnabled(false);

    auto* toolbar = window.addToolBar(QStringLiteral("tools"));
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->addAction(QStringLiteral("T"));
    window.statusBar()->setObjectName(QStringLiteral("status"));
    window.menuBar()->setObjectName(QStringLiteral("menuBar"));
    fileMenu = window.menuBar()->addMenu(QStringLiteral("File"));
    fileMenu->addAction(QStringLiteral("Open"));
    recentMenu = fileMenu->addMenu(QStringLiteral("Recent"));
    recentMenu->addAction(QStringLiteral("one"));
    window.resize(1100, 700);
  }

 private:
  QGridLayout* grid = nullptr;
};

// A pixel that must be a theme value: where, and which value.
struct Sample {
  const char* widget;
  std::function<QPoint(QWidget*)> at;
  const char* element;
  const char* property;
};

// Text (or a mark) that must be drawn in a theme value somewhere in an area.
struct Ink {
  const char* widget;
  std::function<QRect(QWidget*)> area;  // empty: the whole widget
  const char* element;
  const char* property;
};

QPoint corner(QWidget*) { return {3, 3}; }
QPoint leftEdge(QWidget* w) { return {0, w->height() / 2}; }
QPoint rightInside(QWidget* w) { return {w->width() - 4, w->height() / 2}; }
QPoint bottomRight(QWidget* w) { return {w->width() - 1, w->height() - 1}; }
QRect whole(QWidget*) { return {}; }

QPoint inTab(QWidget* w, int tab, int inset) {
  QTabBar* bar = w->findChild<QTabBar*>();
  if (auto* self = qobject_cast<QTabBar*>(w)) bar = self;
  const QRect r = bar->tabRect(tab);
  return bar->mapTo(w, QPoint(r.left() + inset, r.top() + (inset == 3 ? 3 : r.height() / 2)));
}

// The first cell of `row` of the grid, or its first header section for row
// -1, in the grid's coordinates.
QRect cell(QWidget* w, int row) {
  auto* grid = static_cast<QTableWidget*>(w);
  QHeaderView* h = grid->horizontalHeader();
  if (row < 0)
    return QRect(h->mapTo(w, QPoint(h->sectionViewportPosition(0), 0)), QSize(h->sectionSize(0), h->height()));
  const QRect r = grid->visualRect(grid->model()->index(row, 0));
  return QRect(grid->viewport()->mapTo(w, r.topLeft()), r.size());
}
QPoint gridLine(QWidget* w) { return {cell(w, 0).right() + 1, cell(w, 0).center().y()}; }
QPoint headerLine(QWidget* w) { return {cell(w, -1).right(), cell(w, -1).center().y()}; }
QPoint beyondCells(QWidget* w) {
  QWidget* viewport = static_cast<QTableWidget*>(w)->viewport();
  return viewport->mapTo(w, QPoint(viewport->width() - 3, viewport->height() - 3));
}
QRect indicator(QWidget* w) {
  QStyleOptionButton option;
  option.initFrom(w);
  return w->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, w);
}

// The samples of the normal state (nothing focused).
const std::vector<Sample>& normalSamples() {
  static const std::vector<Sample> samples = {
      {"central", corner, "CForm", "BackColor"},
      {"group", rightInside, "CForm", "BackColor"},
      {"button", corner, "CCommandButton", "BackColor"},
      {"buttonDisabled", corner, "CCommandButton", "backColorDisabled"},
      {"toolButton", corner, "CCommandButton", "BackColor"},
      {"edit", rightInside, "CText", "BackColor"},
      {"editDisabled", rightInside, "CText", "BackColor"},
      {"combo", corner, "CText", "BackColor"},
      {"comboEdit", corner, "CText", "BackColor"},
      {"spin", corner, "CText", "BackColor"},
      {"plain", [](QWidget* w) { return QPoint(w->width() / 2, w->height() - 6); }, "CText", "BackColor"},
      {"tabs", [](QWidget* w) { return inTab(w, 0, 3); }, "CTabStrip", "TabBackColorSelected"},
      {"tabs", [](QWidget* w) { return inTab(w, 1, 3); }, "CTabStrip", "TabBackColor"},
      {"tabs", bottomRight, "CTabStrip", "borderColor"},
      {"check", [](QWidget* w) { return indicator(w).topLeft() + QPoint(2, 2); }, "CForm", "BackColor"},
      {"labelInKept", rightInside, "CForm", "BackColor"},
      {"radioInKept", rightInside, "CForm", "BackColor"},
      {"boxed", rightInside, "CText", "BackColor"},
      {"labelAsText", rightInside, "CText", "BackColor"},
      {"shape", leftEdge, "CShape", "borderColor"},
      {"line", [](QWidget* w) { return QPoint(w->width() / 2, w->height() / 2); }, "CShape", "borderColor"},
      {"grid", [](QWidget* w) { return cell(w, 0).topLeft() + QPoint(1, 1); }, "CGrid", "BackColor"},
      {"grid", [](QWidget* w) { return cell(w, 1).topLeft() + QPoint(1, 1); }, "CGrid", "backColorSel"},
      {"grid", gridLine, "CGrid", "gridColor"},
      {"grid", beyondCells, "CGrid", "backColorBkg"},
      {"grid", [](QWidget* w) { return cell(w, -1).topLeft() + QPoint(2, 2); }, "CGrid", "backColorFixed"},
      {"grid", headerLine, "CGrid", "gridColorFixed"},
      {"toolbar", rightInside, "CToolBar", "BackColor"},
      {"status", [](QWidget* w) { return QPoint(w->width() / 2, w->height() / 2); }, "CStatusBar", "BackColor"},
      {"menuBar", rightInside, "CForm", "MenuColor"},
  };
  return samples;
}

const std::vector<Ink>& normalInk() {
  static const std::vector<Ink> ink = {
      {"button", whole, "CCommandButton", "foreColor"},
      {"buttonDisabled", whole, "CCommandButton", "foreColorDisabled"},
      {"toolButton", whole, "CCommandButton", "foreColor"},
      {"edit", whole, "CText", "foreColor"},
      {"editDisabled", whole, "CText", "foreColor"},
      {"combo", whole, "CText", "foreColor"},
      {"list", whole, "CText", "foreColor"},
      {"rich", whole, "CText", "foreColor"},
      {"check", indicator, "CCheckBox", "CheckColor"},
      {"check", whole, "CCheckBox", "foreColor"},
      {"checkByType", whole, "CLabel", "foreColor"},
      {"labelInKept", whole, "CLabel", "foreColor"},
      {"radioInKept", whole, "CLabel", "foreColor"},
      {"boxed", whole, "CText", "foreColor"},
      {"labelAsText", whole, "CText", "foreColor"},
      {"grid", [](QWidget* w) { return cell(w, 0); }, "CGrid", "foreColor"},
      {"grid", [](QWidget* w) { return cell(w, 1); }, "CGrid", "foreColorSel"},
      {"grid", [](QWidget* w) { return cell(w, -1); }, "CGrid", "foreColorFixed"},
  };
  return ink;
}

class ColoursTest : public BindingTest {
 protected:
  ColoursTest() { showActive(&form_.window); }

  // Themes the form with the focus on a widget that has no focused colours.
  void configure() {
    form_.get("panel")->setFocus();
    tema_->configurarFormulario(object(&form_.window));
    settle();
  }

  void expectSamples(const QImage& image, const std::vector<Sample>& samples, const std::string& state) {
    for (const Sample& s : samples) {
      QWidget* w = form_.get(s.widget);
      if (!w) continue;
      EXPECT_EQ(pixel(image, w, s.at(w)).name(), themeColour(s.element, s.property).name())
          << state << ": " << s.widget << " should show " << s.element << "." << s.property;
    }
  }

  void expectInk(const QImage& image, const std::vector<Ink>& inks, const std::string& state) {
    for (const Ink& i : inks) {
      QWidget* w = form_.get(i.widget);
      if (!w) continue;
      EXPECT_GE(countColour(image, w, themeColour(i.element, i.property), i.area(w)), 4)
          << state << ": " << i.widget << " should draw in " << i.element << "." << i.property;
    }
  }

  Form form_;
};

// Besides, a marked control and a class the engine does not know stay as
// they were (how the engine reads the marker in a Tag, its own tests show).
TEST_F(ColoursTest, EveryAreaShowsItsThemeValueAndSwitchingThemesRecolours) {
  const std::vector<std::pair<const char*, QPoint>> kept = {
      {"buttonOverride", {3, 3}}, {"panel", {5, 5}}, {"frameOverride", {3, 3}}};
  const QImage first = shot(&form_.window);
  std::vector<QString> before;  // taken now: an apply may move widgets
  for (const auto& [name, at] : kept) before.push_back(pixel(first, form_.get(name), at).name());
  for (int theme : {0, 1}) {
    loadFixtureTheme(theme);
    configure();
    const QImage image = shot(&form_.window);
    const std::string state = "theme " + std::to_string(theme);
    expectSamples(image, normalSamples(), state);
    expectInk(image, normalInk(), state);
    for (std::size_t i = 0; i < kept.size(); ++i)
      EXPECT_EQ(pixel(image, form_.get(kept[i].first), kept[i].second).name(), before[i])
          << state << ": " << kept[i].first;
    // Border style 1 of the first theme is a single line; 0 of the second none at all.
    if (theme == 0)
      expectSamples(image, {{"grid", leftEdge, "CGrid", "gridColorFixed"}}, state);
    else
      EXPECT_EQ(form_.get<QTableWidget>("grid")->frameWidth(), 0);
    // So many widgets change that the window holds its repaints until all
    // are shown; releasing them must not wake what the host stopped.
    EXPECT_FALSE(form_.get("frozenButton")->updatesEnabled()) << state;
  }
}

TEST_F(ColoursTest, FocusedWidgetsAndOpenMenusShowTheirColours) {
  configure();
  QMenu* later = form_.window.menuBar()->addMenu(QStringLiteral("Later"));
  later->addAction(QStringLiteral("late item"));
  QMenu* laterSub = later->addMenu(QStringLiteral("Deeper"));
  laterSub->addAction(QStringLiteral("deep item"));
  form_.get("buttonFocused")->setFocus();
  settle();
  QImage image = shot(&form_.window);
  expectSamples(image, {{"buttonFocused", corner, "CCommandButton", "backColorFocused"}}, "button focused");
  expectInk(image, {{"buttonFocused", whole, "CCommandButton", "foreColorFocused"}}, "button focused");

  for (const char* name : {"editFocused", "comboEdit", "spin", "plain"}) {
    form_.get(name)->setFocus();
    settle();
    image = shot(&form_.window);
    expectSamples(image, {{name, corner, "CText", "backColorFocused"}, {name, leftEdge, "CText", "borderColorFocused"}},
                  std::string(name) + " focused");
    expectInk(image, {{name, whole, "CText", "foreColorFocused"}}, std::string(name) + " focused");
  }

  // Menus added after the apply take the menu colour too.
  for (QMenu* menu : {form_.fileMenu, form_.recentMenu, later, laterSub}) {
    menu->popup(form_.window.mapToGlobal(QPoint(100, 100)));
    settle();
    const QRect item = menu->actionGeometry(menu->actions().first());
    EXPECT_EQ(QColor(shot(menu).pixel(item.right() - 3, item.center().y())).name(),
              themeColour("CForm", "MenuColor").name())
        << menu->title().toStdString();
    menu->hide();
  }
}

TEST_F(ColoursTest, SystemColoursFollowTheApplicationPalette) {
  globales::sharedForm()->setBackColor(systemColour(15));          // button face
  globales::sharedButton()->setBackColor(systemColour(5));         // window background
  globales::sharedText()->setForeColor(systemColour(8));           // window text
  configure();
  const QPalette original = QApplication::palette();
  QPalette changed = original;
  changed.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
  changed.setColor(QPalette::Base, QColor(0x65, 0x43, 0x21));
  changed.setColor(QPalette::Text, QColor(0x0A, 0x0B, 0x0C));
  QApplication::setPalette(changed);
  settle();
  const QImage image = shot(&form_.window);
  EXPECT_EQ(pixel(image, form_.get("central"), {3, 3}).name(), QStringLiteral("#123456"));
  EXPECT_EQ(pixel(image, form_.get("button"), {3, 3}).name(), QStringLiteral("#654321"));
  EXPECT_GE(countColour(image, form_.get("edit"), QColor(0x0A, 0x0B, 0x0C)), 4);
  QApplication::setPalette(original);
  settle();
}

// Scroll bars of a themed widget show a groove in the scroll-bar colour, a
// handle and both arrows, across and down.
TEST_F(ColoursTest, ScrollBarsShowTheirHandleAndArrows) {
  QWidget window;
  auto* grid = new QTableWidget(40, 12, &window);
  grid->setGeometry(0, 0, 220, 160);
  window.resize(220, 160);
  showActive(&window);
  tema_->configurarFormulario(object(&window));
  settle();
  const QImage image = shot(&window);
  for (QScrollBar* bar : {grid->verticalScrollBar(), grid->horizontalScrollBar()}) {
    const bool vertical = bar->orientation() == Qt::Vertical;
    const std::string which = vertical ? "vertical" : "horizontal";
    ASSERT_TRUE(bar->isVisible()) << which;
    const int extent = vertical ? bar->width() : bar->height();
    const int length = vertical ? bar->height() : bar->width();
    auto at = [&](int along) { return vertical ? QPoint(extent / 2, along) : QPoint(along, extent / 2); };
    auto end = [&](int along) { return vertical ? QRect(0, along, extent, extent) : QRect(along, 0, extent, extent); };
    const QColor groove = bar->palette().color(QPalette::Button);
    const QColor ink = bar->palette().color(QPalette::ButtonText);
    EXPECT_EQ(pixel(image, bar, at(length - extent - 3)), groove) << which << ": the groove";
    EXPECT_NE(pixel(image, bar, at(extent + 3)), groove) << which << ": the handle, at the start";
    EXPECT_GE(countColour(image, bar, ink, end(0)), 4) << which << ": the arrow back";
    EXPECT_GE(countColour(image, bar, ink, end(length - extent)), 4) << which << ": the arrow forward";
  }
}

}  // namespace
}  // namespace palvex::qt::testing

#include "colours_test.moc"
