// Every colour property of every control lands where a user sees it: each
// property gets its own fixture colour, the control is grabbed, and the
// pixel in each area must be that colour exactly, in the normal, focused,
// disabled (and, for tabs, hovered) state.

#include <QApplication>
#include <QMouseEvent>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "palvex/qt/controls.h"
#include "palvex/system_colours.h"
#include "qt/controls/control_probe.h"

namespace palvex::qt {
namespace {

using testing::contains;
using testing::fixtureColour;
using testing::Host;
using testing::pixelAt;
using testing::qcolour;

enum class State { Normal, Focused, Disabled, Hovered };

const char* const kStateNames[] = {"normal", "focused", "disabled", "hovered"};

// Where to look: one pixel (`exact`) or an area that must hold at least one
// pixel of the colour (text, whose glyph edges are blended).
struct Place {
  std::function<QRect(QWidget*)> area;
  bool exact;
};

Place at(std::function<QPoint(QWidget*)> point) {
  return {[point](QWidget* w) { return QRect(point(w), QSize(1, 1)); }, true};
}
Place textIn(std::function<QRect(QWidget*)> area) { return {std::move(area), false}; }

QPoint leftEdge(QWidget* w) { return {0, w->height() / 2}; }
QPoint rightInside(QWidget* w) { return {w->width() - 24, w->height() / 2}; }
QRect leftHalf(QWidget* w) { return QRect(0, 0, w->width() / 2, w->height()); }
QRect whole(QWidget* w) { return w->rect(); }

struct Probe {
  std::vector<State> states;
  const char* what;      // the area, for the failure message
  const char* property;  // whose fixture colour shows there
  Place place;
};

struct ControlCase {
  const char* className;
  const char* variant;  // "" or what sets this case apart from the class's other one
  QSize size;
  std::vector<const char*> colours;  // properties given fixture colours, in this order
  std::function<void(QWidget*)> fill;
  std::vector<Probe> probes;
};

// Test names and failure messages show the class, not the bytes.
void PrintTo(const ControlCase& c, std::ostream* out) { *out << c.className << c.variant; }

const std::vector<State> kAll{State::Normal, State::Focused, State::Disabled};
const std::vector<State> kNormal{State::Normal};
const std::vector<State> kFocused{State::Focused};
const std::vector<State> kDisabled{State::Disabled};
const std::vector<State> kUnfocused{State::Normal, State::Disabled};

const std::vector<const char*> kTextColours{"borderColor", "borderColorFocused", "foreColor",
                                            "foreColorFocused", "BackColor", "backColorFocused"};

// The text controls show the same areas; a disabled one keeps its theme
// colours (the text element has no disabled ones). skinCodeBox is a skinText
// that only changes what it accepts, so it has no row of its own.
std::vector<Probe> textProbes(Place back, Place text, std::vector<Probe> extra = {}) {
  std::vector<Probe> probes{
      {kUnfocused, "border", "borderColor", at(leftEdge)},
      {kFocused, "border", "borderColorFocused", at(leftEdge)},
      {kUnfocused, "background", "BackColor", back},
      {kFocused, "background", "backColorFocused", back},
      {kUnfocused, "text", "foreColor", text},
      {kFocused, "text", "foreColorFocused", text},
  };
  probes.insert(probes.end(), extra.begin(), extra.end());
  return probes;
}

template <class T>
T* as(QWidget* w) {
  return qobject_cast<T*>(w);
}

QPoint tabPoint(QWidget* w, int tab, int fromRight) {
  const QRect r = as<skinTabs>(w)->tabRect(tab);
  return {r.right() - fromRight, r.center().y()};
}
QPoint currentTabPoint(QWidget* w, int fromLeft) {
  const QRect r = as<skinTabs>(w)->tabRect(0);
  return {r.left() + fromLeft, r.center().y()};
}
QRect boxOf(QWidget* w) {
  if (auto* check = as<skinCheck>(w)) return check->boxRect();
  return as<plainCheck>(w)->boxRect();
}
QPoint boxCorner(QWidget* w) { return boxOf(w).topLeft(); }
QPoint boxCentre(QWidget* w) { return boxOf(w).center(); }
QRect besideBox(QWidget* w) { return w->rect().adjusted(boxOf(w).right() + 2, 0, 0, 0); }
QPoint beforeArrow(QWidget* w) { return {as<skinCombo>(w)->arrowRect().left() - 6, w->height() / 2}; }
QPoint inArrow(QWidget* w) { return as<skinCombo>(w)->arrowRect().center() + QPoint(0, -1); }

const std::vector<ControlCase>& cases() {
  static const std::vector<ControlCase> table{
      {"skinText", "", {160, 30}, kTextColours, [](QWidget* w) { as<QLineEdit>(w)->setText("HIll"); },
       textProbes(at(rightInside), textIn(leftHalf))},
      {"skinCombo", "", {160, 30}, kTextColours, [](QWidget* w) { as<skinCombo>(w)->setText("HIll"); },
       textProbes(at(beforeArrow), textIn(leftHalf),
                  {{kUnfocused, "arrow", "foreColor", at(inArrow)},
                   {kFocused, "arrow", "foreColorFocused", at(inArrow)}})},
      {"skinCombo", "ListOnly", {160, 30}, kTextColours,
       [](QWidget* w) {
         as<skinCombo>(w)->setEditable(false);
         as<skinCombo>(w)->setText("HIll");
       },
       textProbes(at(beforeArrow), textIn(leftHalf))},
      {"skinList", "", {160, 100}, kTextColours,
       [](QWidget* w) { as<QListWidget>(w)->addItems({"HIll", "HIll"}); },
       textProbes(at([](QWidget* w) { return QPoint(w->width() / 2, w->height() - 6); }),
                  textIn([](QWidget* w) { return QRect(0, 0, w->width(), 50); }))},
      {"skinNumber", "", {160, 30}, kTextColours, [](QWidget* w) { as<skinNumber>(w)->setValue(1234); },
       textProbes(at([](QWidget* w) { return QPoint(6, w->height() / 2); }),
                  textIn([](QWidget* w) { return QRect(w->width() / 2, 0, w->width() / 2 - 18, w->height()); }))},
      {"skinDate", "", {160, 30}, kTextColours, [](QWidget* w) { as<skinDate>(w)->setDate(QDate(2024, 2, 1)); },
       textProbes(at([](QWidget* w) { return QPoint(as<skinDate>(w)->buttonRect().left() - 4, w->height() / 2); }),
                  textIn(leftHalf),
                  {{kFocused, "drop-down arrow", "foreColorFocused",
                    at([](QWidget* w) { return as<skinDate>(w)->buttonRect().center() + QPoint(0, -1); })}})},
      {"skinButton", "",
       {120, 36},
       {"foreColor", "foreColorFocused", "foreColorDisabled", "BackColor", "backColorFocused", "backColorDisabled"},
       [](QWidget* w) { as<QAbstractButton>(w)->setText("HIll"); },
       {{kNormal, "face", "BackColor", at([](QWidget*) { return QPoint(3, 3); })},
        {kFocused, "face", "backColorFocused", at([](QWidget*) { return QPoint(3, 3); })},
        {kDisabled, "face", "backColorDisabled", at([](QWidget*) { return QPoint(3, 3); })},
        {kNormal, "caption", "foreColor", textIn(whole)},
        {kFocused, "caption", "foreColorFocused", textIn(whole)},
        {kDisabled, "caption", "foreColorDisabled", textIn(whole)}}},
      {"roundButton", "", {120, 36}, {"BackColor", "foreColor"},
       [](QWidget* w) { as<QAbstractButton>(w)->setText("Hi"); },
       {{kAll, "face", "BackColor", at([](QWidget* w) { return QPoint(w->height() / 2, w->height() / 2); })},
        {kAll, "caption", "foreColor", textIn([](QWidget* w) { return w->rect().adjusted(20, 3, -20, -3); })}}},
      {"skinCheck", "", {160, 30}, {"foreColor", "CheckColor"},
       [](QWidget* w) {
         as<QAbstractButton>(w)->setText("HIll");
         as<QAbstractButton>(w)->setChecked(true);
       },
       {{kAll, "box", "CheckColor", at(boxCorner)},
        {kAll, "mark", "CheckColor", at(boxCentre)},
        {kAll, "caption", "foreColor", textIn(besideBox)}}},
      {"plainCheck", "", {160, 30}, {"foreColor", "foreColorFocused", "foreColorDisabled"},
       [](QWidget* w) {
         as<QAbstractButton>(w)->setText("HIll");
         as<QAbstractButton>(w)->setChecked(true);
       },
       {{kNormal, "mark", "foreColor", at(boxCentre)},
        {kFocused, "mark", "foreColorFocused", at(boxCentre)},
        {kDisabled, "mark", "foreColorDisabled", at(boxCentre)},
        {kFocused, "caption", "foreColorFocused", textIn(besideBox)},
        {kDisabled, "caption", "foreColorDisabled", textIn(besideBox)}}},
      {"skinTabs", "", {300, 100},
       {"TabBackColor", "TabBackColorSelected", "TabBorderColorHover", "TabInnerBorder", "TabInnerBorderSelected",
        "TabBorderColor", "TabBorderColorSelected", "borderColor", "foreColor"},
       [](QWidget* w) { as<skinTabs>(w)->setTabs({"Tab 1", "Tab 2"}); },
       {{kAll, "current tab fill", "TabBackColorSelected", at([](QWidget* w) { return currentTabPoint(w, 3); })},
        {kAll, "tab fill", "TabBackColor", at([](QWidget* w) { return tabPoint(w, 1, 3); })},
        {kAll, "tab border", "TabBorderColor", at([](QWidget* w) { return tabPoint(w, 1, 0); })},
        {{State::Hovered}, "hovered tab border", "TabBorderColorHover", at([](QWidget* w) { return tabPoint(w, 1, 0); })},
        {kAll, "page border", "borderColor", at([](QWidget* w) { return QPoint(w->width() / 2, w->height() - 1); })},
        {kAll, "page", "TabBackColorSelected", at([](QWidget* w) { return QPoint(w->width() / 2, w->height() - 5); })},
        {kAll, "captions", "foreColor", textIn([](QWidget* w) { return as<skinTabs>(w)->tabRect(1); })}}},
      {"boxedLabel", "", {160, 30}, {"BackColor", "borderColor", "foreColor"},
       [](QWidget* w) { w->setProperty("text", "HIll"); },
       {{kAll, "fill", "BackColor", at(rightInside)},
        {kAll, "border", "borderColor", at(leftEdge)},
        {kAll, "caption", "foreColor", textIn(leftHalf)}}},
      {"Shape", "", {120, 60}, {"borderColor"}, [](QWidget*) {},
       {{kNormal, "left outline", "borderColor", at(leftEdge)},
        {kNormal, "bottom right corner", "borderColor",
         at([](QWidget* w) { return QPoint(w->width() - 1, w->height() - 1); })}}},
  };
  return table;
}

class ControlColours : public ::testing::TestWithParam<ControlCase> {
 protected:
  // A fresh control with every colour property at its fixture colour, set
  // by name as the engine sets it.
  std::unique_ptr<Host> makeHost(State state) {
    const ControlCase& c = GetParam();
    QWidget* control = createControl(QString::fromLatin1(c.className));
    EXPECT_NE(control, nullptr);
    control->setObjectName(QString::fromLatin1(c.className) + QStringLiteral("1"));
    auto host = std::make_unique<Host>(control, c.size);
    c.fill(control);
    for (std::size_t i = 0; i < c.colours.size(); ++i)
      EXPECT_TRUE(control->setProperty(c.colours[i], fixtureColour(0, static_cast<int>(i)))) << c.colours[i];
    enter(*host, state);
    return host;
  }

  int fixtureOf(const char* property) const {
    const auto& colours = GetParam().colours;
    for (std::size_t i = 0; i < colours.size(); ++i)
      if (std::string_view(colours[i]) == property) return fixtureColour(0, static_cast<int>(i));
    ADD_FAILURE() << "no fixture for " << property;
    return 0;
  }

  static void enter(Host& host, State state) {
    QWidget* control = host.control();
    if (state == State::Focused) {
      ASSERT_TRUE(host.focus()) << "the control did not take the focus";
    }
    if (state == State::Disabled) control->setEnabled(false);
    if (state == State::Hovered) {
      const QPoint pos = as<skinTabs>(control)->tabRect(1).center();
      QMouseEvent move(QEvent::MouseMove, pos, control->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(control, &move);
      ASSERT_EQ(as<skinTabs>(control)->hoveredTab(), 1);
    }
  }
};

TEST_P(ControlColours, EveryAreaShowsItsPropertyExactlyInEveryState) {
  for (State state : {State::Normal, State::Focused, State::Disabled, State::Hovered}) {
    std::vector<const Probe*> due;
    for (const Probe& probe : GetParam().probes)
      if (std::find(probe.states.begin(), probe.states.end(), state) != probe.states.end()) due.push_back(&probe);
    if (due.empty()) continue;
    auto host = makeHost(state);
    const QImage image = host->grab();
    for (const Probe* probe : due) {
      SCOPED_TRACE(std::string(kStateNames[static_cast<int>(state)]) + " " + probe->what);
      const QColor expected = qcolour(fixtureOf(probe->property));
      const QRect area = probe->place.area(host->control());
      if (probe->place.exact) {
        EXPECT_EQ(pixelAt(image, area.topLeft()), testing::name(expected))
            << probe->property << " at " << area.x() << "," << area.y();
      } else {
        EXPECT_TRUE(contains(image, area, expected)) << "no pixel of " << probe->property << " in the area";
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlColours, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<ControlCase>& param) {
                           return std::string(param.param.className) + param.param.variant;
                         });

}  // namespace
}  // namespace palvex::qt
