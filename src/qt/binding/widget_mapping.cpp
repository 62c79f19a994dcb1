#include "qt/binding/widget_mapping.h"

#include <map>
#include <unordered_map>

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRubberBand>
#include <QScrollArea>
#include <QSizeGrip>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QToolBar>
#include <QToolBox>
#include <QToolButton>

#include "palvex/control_types.h"
#include "palvex/qt/controls.h"
#include "palvex/text.h"

namespace palvex::qt::detail {
namespace {

// Rows whose answer depends on the widget, not only on its class.
enum class Rule { Plain, FrameOrShape, LabelOrBoxed, ButtonOutsideToolbar };

struct StockRow {
  const QMetaObject* metaObject;
  std::string_view typeName;
  std::string_view controlClass;  // empty: reached by type name
  Paint paint;
  Rule rule = Rule::Plain;
};

constexpr std::string_view kFormType = "Form";

// The stock table (docs/qt-binding.md). Subclasses inherit the row of their
// nearest listed ancestor.
const std::vector<StockRow>& stockRows() {
  using namespace palvex::typenames;
  using namespace palvex::controlclass;
  static const std::vector<StockRow> rows = {
      {&QMainWindow::staticMetaObject, kFormType, {}, Paint::Form},
      {&QDialog::staticMetaObject, kFormType, {}, Paint::Form},
      {&QGroupBox::staticMetaObject, kFrame, {}, Paint::Frame},
      {&QScrollArea::staticMetaObject, kFrame, {}, Paint::Frame},
      {&QSplitter::staticMetaObject, kFrame, {}, Paint::Frame},
      {&QStackedWidget::staticMetaObject, kFrame, {}, Paint::Frame},
      {&QToolBox::staticMetaObject, kFrame, {}, Paint::Frame},
      {&QFrame::staticMetaObject, kFrame, {}, Paint::Frame, Rule::FrameOrShape},
      {&QPushButton::staticMetaObject, "CommandButton", kButton, Paint::Button, Rule::ButtonOutsideToolbar},
      {&QToolButton::staticMetaObject, "CommandButton", kButton, Paint::Button, Rule::ButtonOutsideToolbar},
      {&QLineEdit::staticMetaObject, "TextBox", kText, Paint::Text},
      {&QComboBox::staticMetaObject, "ComboBox", kText, Paint::Text},
      {&QAbstractSpinBox::staticMetaObject, "TextBox", kText, Paint::Text},
      {&QPlainTextEdit::staticMetaObject, "TextBox", kText, Paint::Text},
      {&QTextEdit::staticMetaObject, "TextBox", kText, Paint::Text},
      {&QTableView::staticMetaObject, kGrid, {}, Paint::Grid},
      {&QListView::staticMetaObject, "ListBox", kText, Paint::Text},
      {&QTabWidget::staticMetaObject, "TabStrip", kTab, Paint::Tab},
      {&QTabBar::staticMetaObject, "TabStrip", kTab, Paint::Tab},
      {&QCheckBox::staticMetaObject, kCheckBox, kCheck, Paint::Check},
      {&QRadioButton::staticMetaObject, kOptionButton, {}, Paint::Label},
      {&QLabel::staticMetaObject, kLabel, {}, Paint::Label, Rule::LabelOrBoxed},
      {&QToolBar::staticMetaObject, kToolbar, {}, Paint::Toolbar},
      {&QStatusBar::staticMetaObject, kStatusBar, {}, Paint::StatusBar},
      {&QMenuBar::staticMetaObject, "MenuBar", {}, Paint::Menu},
      {&QMenu::staticMetaObject, "Menu", {}, Paint::Menu},
  };
  return rows;
}

const StockRow* stockRow(const QMetaObject* metaObject) {
  static const auto* byClass = [] {
    auto* map = new std::unordered_map<const QMetaObject*, const StockRow*>;
    for (const StockRow& row : stockRows()) map->emplace(row.metaObject, &row);
    return map;
  }();
  auto it = byClass->find(metaObject);
  return it == byClass->end() ? nullptr : it->second;
}

std::map<std::string, WidgetClassMapping, std::less<>>& registrations() {
  static std::map<std::string, WidgetClassMapping, std::less<>> map;
  return map;
}

constexpr std::string_view kSuiteNamespace = "palvex::qt::";

std::string withoutNamespace(std::string_view className) {
  const auto colons = className.rfind("::");
  return std::string(colons == std::string_view::npos ? className : className.substr(colons + 2));
}

// A registered class without a paint kind is painted as its dispatch says.
Paint paintFor(std::string_view controlClass, std::string_view typeName) {
  using namespace palvex::typenames;
  using namespace palvex::controlclass;
  if (controlClass == kText) return Paint::Text;
  if (controlClass == kTab) return Paint::Tab;
  if (controlClass == kButton) return Paint::Button;
  if (controlClass == kCheck) return Paint::Check;
  if (typeName == kGrid) return Paint::Grid;
  if (typeName == kLabel || typeName == kOptionButton) return Paint::Label;
  if (typeName == kBoxedLabel) return Paint::BoxedLabel;
  if (typeName == kCheckBox) return Paint::Check;
  if (typeName == kShape) return Paint::Shape;
  if (typeName == kToolbar) return Paint::Toolbar;
  if (typeName == kStatusBar) return Paint::StatusBar;
  if (typeName == kFrame) return Paint::Frame;
  return Paint::Properties;
}

bool isTopLevelForm(const QWidget* widget) {
  if (!widget->isWindow()) return false;
  switch (widget->windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Sheet:
    case Qt::Drawer:
    case Qt::Tool:
      return true;
    default:
      return false;  // popups, tooltips, splash screens
  }
}

bool hasPlacedChildren(const QWidget* widget) {
  for (const QObject* child : widget->children())
    if (child->isWidgetType() && !neverPlaced(static_cast<const QWidget*>(child))) return true;
  return false;
}

void applyStockRule(const StockRow& row, const QWidget* widget, Identity& id) {
  switch (row.rule) {
    case Rule::Plain:
      return;
    case Rule::FrameOrShape:
      if (!hasPlacedChildren(widget)) {
        id.typeName = palvex::typenames::kShape;
        id.paint = Paint::Shape;
      }
      return;
    case Rule::LabelOrBoxed:
      if (static_cast<const QLabel*>(widget)->frameShape() != QFrame::NoFrame) {
        id.typeName = palvex::typenames::kBoxedLabel;
        id.paint = Paint::BoxedLabel;
      }
      return;
    case Rule::ButtonOutsideToolbar:
      // A toolbar's buttons belong to the toolbar: its colour is theirs.
      if (qobject_cast<const QToolBar*>(widget->parentWidget())) {
        id.typeName = "ToolbarButton";
        id.hasControlClass = false;
        id.paint = Paint::None;
      }
      return;
  }
}

// The class-level answer: a registration, a suite control or a stock row of
// the nearest class up the chain.
Identity classIdentity(const QWidget* widget, bool& registeredOrSuite) {
  Identity id;
  registeredOrSuite = false;
  for (const QMetaObject* mo = widget->metaObject(); mo; mo = mo->superClass()) {
    const std::string_view className = mo->className();
    if (auto it = registrations().find(className); it != registrations().end()) {
      const WidgetClassMapping& m = it->second;
      id.typeName = m.typeName.empty() ? withoutNamespace(className) : m.typeName;
      id.controlClass = m.controlClass;
      id.hasControlClass = !m.controlClass.empty();
      id.paint = m.paint == Paint::Auto ? paintFor(m.controlClass, id.typeName) : m.paint;
      registeredOrSuite = true;
      return id;
    }
    if (className.starts_with(kSuiteNamespace) &&
        className.substr(kSuiteNamespace.size()).find("::") == std::string_view::npos) {
      id.typeName = withoutNamespace(className);
      id.paint = Paint::Properties;
      id.suiteControl = true;
      registeredOrSuite = true;
      return id;
    }
    if (const StockRow* row = stockRow(mo)) {
      // Frames and shapes are plain QFrames; a QFrame subclass not in the
      // table (a number display, a graphics view) is no frame of ours.
      if (row->rule == Rule::FrameOrShape && mo != widget->metaObject()) break;
      id.typeName = row->typeName;
      id.controlClass = row->controlClass;
      id.hasControlClass = !row->controlClass.empty();
      id.paint = row->paint;
      id.form = row->paint == Paint::Form;
      applyStockRule(*row, widget, id);
      return id;
    }
  }
  id.typeName = withoutNamespace(widget->metaObject()->className());
  id.paint = Paint::None;
  return id;
}

// A dynamic property of the widget by name, case-blind.
std::optional<QString> dynamicText(const QWidget* widget, std::string_view name) {
  for (const QByteArray& key : widget->dynamicPropertyNames()) {
    if (text::equalsIgnoreCase(std::string_view(key.constData(), static_cast<std::size_t>(key.size())), name))
      return widget->property(key.constData()).toString();
  }
  return std::nullopt;
}

bool isPlainContainer(const QWidget* widget) {
  const QMetaObject* mo = widget->metaObject();
  if (registrations().contains(std::string_view(mo->className()))) return false;
  return mo == &QWidget::staticMetaObject || qobject_cast<const QDialogButtonBox*>(widget) ||
         qobject_cast<const QDockWidget*>(widget);
}

void collect(QWidget* container, std::vector<QWidget*>& out);

void visit(QWidget* widget, std::vector<QWidget*>& out) {
  if (neverPlaced(widget)) return;
  if (auto* dock = qobject_cast<QDockWidget*>(widget)) {
    if (QWidget* content = dock->widget()) visit(content, out);
    return;
  }
  if (isPlainContainer(widget)) {
    collect(widget, out);
    return;
  }
  out.push_back(widget);
  for (QWidget* page : pagesOf(widget)) collect(page, out);
  if (childrenArePlaced(widget)) collect(widget, out);
}

void collect(QWidget* container, std::vector<QWidget*>& out) {
  // A splitter's children are in its own order, which moving them changes.
  if (auto* splitter = qobject_cast<QSplitter*>(container)) {
    for (int i = 0; i < splitter->count(); ++i) visit(splitter->widget(i), out);
    return;
  }
  for (QObject* child : container->children())
    if (child->isWidgetType()) visit(static_cast<QWidget*>(child), out);
}

}  // namespace

Identity identify(const QWidget* widget) {
  bool registeredOrSuite = false;
  Identity id = classIdentity(widget, registeredOrSuite);
  if (!registeredOrSuite && !id.form && isTopLevelForm(widget)) {
    id = Identity{};
    id.typeName = kFormType;
    id.paint = Paint::Form;
    id.form = true;
  }
  // Per-widget choices of the host win over the class's.
  const std::optional<QString> typeName = dynamicText(widget, "TypeName");
  const std::optional<QString> controlClass = dynamicText(widget, "ControlClass");
  if (typeName) {
    id.typeName = typeName->toStdString();
    id.hasControlClass = false;  // the host asks for dispatch by type name
    id.typeNameOverridden = true;
  }
  if (controlClass) {
    id.controlClass = controlClass->toStdString();
    id.hasControlClass = true;
    id.controlClassOverridden = true;
  }
  return id;
}

bool neverPlaced(const QWidget* widget) {
  return widget->isWindow() || qobject_cast<const QMenuBar*>(widget) || qobject_cast<const QMenu*>(widget) ||
         qobject_cast<const QSizeGrip*>(widget) || qobject_cast<const QSplitterHandle*>(widget) ||
         qobject_cast<const QRubberBand*>(widget) || widget->objectName().startsWith(QLatin1String("qt_"));
}

std::vector<QWidget*> pagesOf(QWidget* widget) {
  std::vector<QWidget*> pages;
  auto add = [&](QWidget* page) {
    if (page) pages.push_back(page);
  };
  if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
    for (int i = 0; i < tabs->count(); ++i) add(tabs->widget(i));
  } else if (auto* stack = qobject_cast<QStackedWidget*>(widget)) {
    for (int i = 0; i < stack->count(); ++i) add(stack->widget(i));
  } else if (auto* box = qobject_cast<QToolBox*>(widget)) {
    for (int i = 0; i < box->count(); ++i) add(box->widget(i));
  } else if (auto* area = qobject_cast<QScrollArea*>(widget)) {
    add(area->widget());
  } else if (auto* skin = qobject_cast<skinTabs*>(widget)) {
    for (int i = 0; i < skin->count(); ++i) add(skin->page(i));
  }
  return pages;
}

bool childrenArePlaced(const QWidget* widget) {
  if (isTopLevelForm(widget) || qobject_cast<const QMainWindow*>(widget) || qobject_cast<const QDialog*>(widget))
    return true;
  if (qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QSplitter*>(widget)) return true;
  if (widget->metaObject() == &QFrame::staticMetaObject) return true;
  return isPlainContainer(widget);
}

bool holdsControls(const QWidget* widget) {
  return childrenArePlaced(widget) || qobject_cast<const QTabWidget*>(widget) ||
         qobject_cast<const QStackedWidget*>(widget) || qobject_cast<const QToolBox*>(widget) ||
         qobject_cast<const QScrollArea*>(widget) || qobject_cast<const skinTabs*>(widget);
}

std::vector<QWidget*> placedControls(QWidget* container) {
  std::vector<QWidget*> out;
  for (QWidget* page : pagesOf(container)) collect(page, out);
  if (childrenArePlaced(container)) collect(container, out);
  return out;
}

QWidget* menuBarOf(QWidget* form) {
  if (auto* main = qobject_cast<QMainWindow*>(form)) return qobject_cast<QMenuBar*>(main->menuWidget());
  if (QLayout* layout = form->layout())
    if (auto* bar = qobject_cast<QMenuBar*>(layout->menuBar())) return bar;
  return form->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace palvex::qt::detail

namespace palvex::qt {

void registerWidgetClass(std::string_view className, WidgetClassMapping mapping) {
  detail::registrations()[std::string(className)] = std::move(mapping);
}

bool unregisterWidgetClass(std::string_view className) {
  auto& map = detail::registrations();
  auto it = map.find(className);
  if (it == map.end()) return false;
  map.erase(it);
  return true;
}

}  // namespace palvex::qt
