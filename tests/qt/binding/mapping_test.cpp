// The mapping table as a host changes it per class, and which widgets a
// form's Controls lists. (What the dispatch makes of each kind of stock
// widget, the colour tests show on screen.)

#include <string>

#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>

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

class MappingTest : public BindingTest {};

// A host class registered as a button is themed as one, and so are its
// subclasses, until the host takes the registration back.
TEST_F(MappingTest, RegisteredClassesAndTheirSubclassesFollowTheRegistration) {
  registerWidgetClass<MeterWidget>({"", "BUTTON", Paint::Auto});
  QWidget host;
  auto* big = new BigMeter(&host);
  tema_->Aplicar(object(big));
  EXPECT_EQ(adapter(big).get("backcolor").toInt32(), toColourRef(themeColour("CCommandButton", "BackColor")));
  registerWidgetClass("host::BigMeter", {"MSFlexGrid", "", Paint::Auto});  // by name, nearer than its base's
  EXPECT_EQ(adapter(big).typeName(), "MSFlexGrid");
  EXPECT_TRUE(unregisterWidgetClass("host::BigMeter"));
  EXPECT_TRUE(unregisterWidgetClass(MeterWidget::staticMetaObject.className()));
  EXPECT_FALSE(unregisterWidgetClass(MeterWidget::staticMetaObject.className()));
  EXPECT_EQ(adapter(big).typeName(), "BigMeter");
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
  auto* central = new QWidget;
  window.setCentralWidget(central);

  auto* group = named<QGroupBox>("group", central);
  named<QLabel>("groupLabel", group);

  auto* tabs = named<QTabWidget>("tabs", central);
  auto* page1 = new QWidget;
  named<QLabel>("pageLabel", page1);
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


  const std::vector<std::string> expected = {
      "group",      "groupLabel", "tabs",      "pageLabel",      "pageLabel2",  "scroll",  "scrollLabel",
      "splitter",   "splitLeft",  "splitRight", "stack",         "stackLabel",  "suiteTabs", "suitePageLabel",
      "suiteNumber"};
  EXPECT_EQ(namesOf(&window), expected);
}

}  // namespace
}  // namespace palvex::qt::testing

#include "mapping_test.moc"
