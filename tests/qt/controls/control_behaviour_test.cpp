// What the controls do besides their colours: the engine's ways in
// (ControlClass, Tag, aplicarTema, pickButton), system colours resolved at
// paint time, loading from .ui forms, and the editing behaviour the suite
// relies on.

#include <QApplication>
#include <QBuffer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "palvex/qt/controls.h"
#include "palvex/qt/controls_ui_loader.h"
#include "palvex/system_colours.h"
#include "qt/controls/control_probe.h"

namespace palvex::qt {
namespace {

using testing::fixtureColour;
using testing::Host;
using testing::pixelAt;
using testing::qcolour;

std::string css(int colourRef) { return testing::name(qcolour(colourRef)); }

// ---------------------------------------------------------------- the engine's ways in

TEST(SlideButton, TheClickedButtonBecomesTheCurrentAndShowsFocusedColours) {
  auto* slide = new slideButton;
  slide->setCaptions({"Uno", "Dos"});
  Host host(slide, {200, 30});
  const int focusedBack = fixtureColour(2, 4);
  for (int i = 0; i < 2; ++i) slide->button(i)->setBackColorFocused(focusedBack);
  QTest::mouseClick(slide->button(1), Qt::LeftButton);
  EXPECT_EQ(slide->currentIndex(), 1);
  EXPECT_FALSE(slide->button(0)->isChecked());
  slide->button(1)->clearFocus();
  EXPECT_EQ(pixelAt(slide->button(1)->grab().toImage(), {2, 2}), css(focusedBack));
}

// ---------------------------------------------------------------- system colours

// A button paints its face itself; the composite controls hand the colour
// on to their inner editors (skinDate as skinNumber, by the same code).
TEST(SystemColours, AreResolvedWhenTheControlPaintsSoAPaletteChangeShowsAtTheNextRepaint) {
  std::int32_t face = 0;  // what the desktop gives as window background (5)
  installSystemColourResolver([&face](int index) { return index == 5 ? std::optional(face) : std::nullopt; });
  for (const char* name : {"skinButton", "skinText", "skinNumber", "skinCombo"}) {
    SCOPED_TRACE(name);
    QWidget* control = createControl(name);
    Host host(control, {160, 30});
    face = fixtureColour(4, 0);
    control->setProperty("BackColor", static_cast<int>(systemColour(5)));
    EXPECT_EQ(pixelAt(host.grab(), {6, 15}), css(fixtureColour(4, 0)));
    face = fixtureColour(4, 1);  // the desktop palette changed; nothing set on the control
    EXPECT_EQ(pixelAt(host.grab(), {6, 15}), css(fixtureColour(4, 1)));
  }
  installSystemColourResolver(nullptr);
}

// ---------------------------------------------------------------- .ui forms

const char* const kForm = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Customer</class>
 <widget class="QWidget" name="Customer">
  <widget class="skinButton" name="okButton">
   <property name="BackColor"><number>1193046</number></property>
   <property name="Tag"><string>THEMEOVERRIDE</string></property>
  </widget>
  <widget class="palvex::qt::skinText" name="nameText">
   <property name="maxLength"><number>20</number></property>
  </widget>
  <widget class="QPushButton" name="stockButton"/>
 </widget>
 <resources/>
 <connections/>
</ui>
)";

TEST(UiLoader, MakesTheSuiteControlsOfAFormAndSetsTheirProperties) {
  QByteArray bytes(kForm);
  QBuffer buffer(&bytes);
  ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
  UiLoader loader;
  std::unique_ptr<QWidget> form(loader.load(&buffer));
  ASSERT_NE(form, nullptr) << loader.errorString().toStdString();

  auto* ok = form->findChild<skinButton*>("okButton");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->Tag(), "THEMEOVERRIDE");
  EXPECT_EQ(pixelAt(ok->grab().toImage(), {2, 2}), css(1193046));

  auto* name = form->findChild<skinText*>("nameText");
  ASSERT_NE(name, nullptr) << "namespaced class names load too";
  EXPECT_EQ(name->maxLength(), 20);
  EXPECT_NE(form->findChild<QPushButton*>("stockButton"), nullptr) << "stock widgets are still QUiLoader's";
  // Every class the factory names is made, and takes the Tag a host marks.
  for (const QString& className : controlClassNames()) {
    std::unique_ptr<QWidget> control(createControl(className));
    EXPECT_TRUE(isSuiteControl(control.get())) << className.toStdString();
    EXPECT_TRUE(control->setProperty("Tag", "x")) << className.toStdString();
    EXPECT_EQ(control->property("Tag").toString(), "x") << className.toStdString();
  }
}

// ---------------------------------------------------------------- editing

TEST(SkinTabs, PagesFollowTheCurrentTabByClickAndKeyboard) {
  auto* tabs = new skinTabs;
  auto* first = new QWidget;
  auto* second = new QWidget;
  tabs->addTab("Tab 1", first);
  tabs->addTab("Tab 2", second);
  Host host(tabs, {300, 120});
  EXPECT_EQ(tabs->tabs(), QStringList({"Tab 1", "Tab 2"}));
  EXPECT_EQ(first->geometry(), tabs->pageRect());
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  EXPECT_EQ(tabs->currentIndex(), 1);
  EXPECT_TRUE(second->isVisible());
  EXPECT_FALSE(first->isVisible());
  ASSERT_TRUE(host.focus());
  QTest::keyClick(tabs, Qt::Key_Left);
  EXPECT_EQ(tabs->currentIndex(), 0);
  QTest::keyClick(tabs, Qt::Key_Left);
  EXPECT_EQ(tabs->currentIndex(), 0) << "no tab before the first";
}

TEST(SkinCodeBox, TakesCapitalsUpToItsLength) {
  auto* code = new skinCodeBox;
  code->setMaxLength(5);
  Host host(code, {100, 26});
  ASSERT_TRUE(host.focus());
  QTest::keyClicks(code, "ab12xyz");
  EXPECT_EQ(code->text(), "AB12X") << "capitals, at most maxLength characters";
}

TEST(SkinNumber, KeepsANumberWithItsDecimalsAndTakesTheCalculatorsResult) {
  auto* number = new skinNumber;
  Host host(number, {160, 26});
  ASSERT_TRUE(host.focus());
  QTest::keyClicks(number->lineEdit(), "12a,5");
  EXPECT_EQ(number->text(), "12,5") << "letters are refused, a comma is a decimal point";
  EXPECT_DOUBLE_EQ(number->value(), 12.5);
  number->showCalculator();
  auto* calculator = number->findChild<QFrame*>("calculator");
  ASSERT_NE(calculator, nullptr);
  for (const char* key : {"*", "4", "=", "OK"}) {
    auto* button = calculator->findChild<skinButton*>(QStringLiteral("key_") + key);
    ASSERT_NE(button, nullptr) << key;
    button->click();
  }
  EXPECT_DOUBLE_EQ(number->value(), 50.0);
}

TEST(SkinDate, IsEmptyUntilADateIsEnteredAndReadsTypedDates) {
  skinDate box;
  EXPECT_TRUE(box.date().isNull());
  box.setText("3/7/2024");
  EXPECT_EQ(box.date(), QDate(2024, 7, 3));
  box.setText("31/02/2024");
  EXPECT_TRUE(box.date().isNull()) << "no such day";
  box.setDate(QDate(2024, 12, 25));
  EXPECT_EQ(box.text(), "25/12/2024");
  box.setDateFormat("yyyy-MM-dd");
  EXPECT_EQ(box.text(), "2024-12-25");
  box.setDate(QDate());
  EXPECT_TRUE(box.text().isEmpty());
}

}  // namespace
}  // namespace palvex::qt
