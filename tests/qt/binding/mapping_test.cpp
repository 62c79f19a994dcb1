// The mapping table: what the engine's dispatch sees of each kind of widget,
// how a host changes it per widget and per class, and which widgets a form's
// Controls lists.

#include <functional>
#include <string>

#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>

#include "binding_fixture.h"
#include "palvex/qt/controls.h"

namespace host {

// A host widget of a class the table does not know.
class MeterWidget : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

class BigMeter : public MeterWidget {
  Q_OBJECT

 public:
  using MeterWidget::MeterWidget;
};

}  // namespace host

namespace palvex::qt::testing {
namespace {

using host::BigMeter;
using host::MeterWidget;

struct MappingCase {
  const char* name;
  std::function<QWidget*(QWidget* parent)> make;
  std::string seen;
};

template <class W>
std::function<QWidget*(QWidget*)> make() {
  return [](QWidget* parent) -> QWidget* { return new W(parent); };
}

QWidget* frameWithChild(QWidget* parent) {
  auto* frame = new QFrame(parent);
  new QLabel(QStringLiteral("inside"), frame);
  return frame;
}

// How the engine sees a widget: its type name, its ControlClass when it
// declares one (even an empty one), and whether it is a form.
std::string seen(QWidget* widget) {
  Object& o = adapter(widget);
  std::string text = o.typeName();
  Variant controlClass;
  if (o.tryGet("ControlClass", controlClass) == Lookup::Found) text += " class " + controlClass.toString();
  if (o.isForm()) text += " form";
  return text;
}

class MappingTest : public BindingTest {};

TEST_F(MappingTest, EveryKindOfWidgetIsSeenAsTheTableSays) {
  // Kinds whose look the colour tests already show on screen are left to
  // them, and so are the unknown classes the registration test reads. These
  // are a top-level window (a main window or a dialog is a form by its row
  // and again as a window), the rows decided by more than the class, and the
  // suite controls that declare a ControlClass of their own (skinCodeBox
  // inherits skinText's) or none (the dispatch test reaches roundButton and
  // slideButton).
  const std::vector<MappingCase> cases = {
      {"top-level plain widget", [](QWidget*) -> QWidget* { return new QWidget; }, "Form form"},
      {"frame holding children", frameWithChild, "Frame"},
      {"empty frame", make<QFrame>(), "Shape"},
      {"suite text box", make<skinText>(), "skinText class TEXT"},
      {"suite combo", make<skinCombo>(), "skinCombo class TEXT"},
      {"suite tabs", make<skinTabs>(), "skinTabs class TAB"},
      {"suite button", make<skinButton>(), "skinButton class BUTTON"},
      {"suite check", make<skinCheck>(), "skinCheck class CHECK"},
      {"suite shape", make<Shape>(), "Shape"},
  };
  QWidget host;
  for (const MappingCase& c : cases) {
    QWidget* widget = c.make(&host);
    ASSERT_NE(widget, nullptr) << c.name;
    EXPECT_EQ(seen(widget), c.seen) << c.name;
    if (widget->isWindow()) delete widget;
  }
}

TEST_F(MappingTest, RegisteredClassesAndTheirSubclassesFollowTheRegistration) {
  registerWidgetClass<MeterWidget>({"", "BUTTON", Paint::Auto});
  QWidget host;
  auto* meter = new MeterWidget(&host);
  auto* big = new BigMeter(&host);
  EXPECT_EQ(seen(meter), "MeterWidget class BUTTON");
  EXPECT_EQ(seen(big), "MeterWidget class BUTTON");

  // Dispatched by its ControlClass and painted as a button: the element's
  // colours are taken by name.
  tema_->Aplicar(object(meter));
  EXPECT_EQ(adapter(meter).get("backcolor").toInt32(), toColourRef(themeColour("CCommandButton", "BackColor")));

  registerWidgetClass("host::BigMeter", {"MSFlexGrid", "", Paint::Auto});
  EXPECT_EQ(seen(big), "MSFlexGrid");

  EXPECT_TRUE(unregisterWidgetClass("host::BigMeter"));
  EXPECT_TRUE(unregisterWidgetClass(MeterWidget::staticMetaObject.className()));
  EXPECT_FALSE(unregisterWidgetClass("host::BigMeter"));
  EXPECT_EQ(seen(big), "BigMeter");
}

std::vector<std::string> namesOf(QWidget* form) {
  std::vector<std::string> names;
  for (const Variant& item : adapter(form).get("Controls").toObject()->enumerate())
    names.push_back(widgetOf(item)->objectName().toStdString());
  return names;
}

template <class W>
W* named(const char* name, QWidget* parent) {
  auto* w = new W(parent);
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

TEST_F(MappingTest, ControlsListsPlacedWidgetsDepthFirstAndNoInnerParts) {
  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("File"));
  auto* central = new QWidget;
  window.setCentralWidget(central);

  auto* group = named<QGroupBox>("group", central);
  named<QLabel>("groupLabel", group);

  auto* tabs = named<QTabWidget>("tabs", central);
  auto* page1 = new QWidget;
  auto* pageLabel = named<QLabel>("pageLabel", page1);
  auto* page2 = new QWidget;
  named<QLabel>("pageLabel2", page2);
  tabs->addTab(page1, QStringLiteral("one"));
  tabs->addTab(page2, QStringLiteral("two"));

  auto* scroll = named<QScrollArea>("scroll", central);
  auto* content = new QWidget;
  named<QLabel>("scrollLabel", content);
  scroll->setWidget(content);

  auto* splitter = named<QSplitter>("splitter", central);
  splitter->addWidget(named<QTextEdit>("splitLeft", nullptr));
  splitter->addWidget(named<QLabel>("splitRight", nullptr));

  auto* stack = named<QStackedWidget>("stack", central);
  auto* stackPage = new QWidget;
  named<QLabel>("stackLabel", stackPage);
  stack->addWidget(stackPage);

  auto* suiteTabs = named<skinTabs>("suiteTabs", central);
  auto* suitePage = new QWidget;
  named<QLabel>("suitePageLabel", suitePage);
  suiteTabs->addTab(QStringLiteral("Tab 1"), suitePage);
  named<skinNumber>("suiteNumber", central);

  window.addToolBar(named<QToolBar>("toolbar", nullptr));
  window.setStatusBar(named<QStatusBar>("status", nullptr));

  const std::vector<std::string> expected = {
      "group",      "groupLabel", "tabs",      "pageLabel",      "pageLabel2",  "scroll",  "scrollLabel",
      "splitter",   "splitLeft",  "splitRight", "stack",         "stackLabel",  "suiteTabs", "suitePageLabel",
      "suiteNumber", "toolbar",   "status"};
  EXPECT_EQ(namesOf(&window), expected);

  // A container that is not a form lists its own.
  EXPECT_EQ(namesOf(group), (std::vector<std::string>{"groupLabel"}));
  Variant none;
  EXPECT_EQ(adapter(pageLabel).tryGet("Controls", none), Lookup::NoMember);
}

}  // namespace
}  // namespace palvex::qt::testing

#include "mapping_test.moc"
