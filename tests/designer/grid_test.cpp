// The property grid: what it shows and paints, and the click that edits a colour.

#include <QCoreApplication>
#include <QTest>

#include "designer/designer_fixture.h"
#include "palvex/elements.h"
#include "palvex/globales.h"
#include "palvex/system_colours.h"

namespace palvex::testing {
namespace {

constexpr const char* kInvalid = "Numero inválido o fuera de rango";

class GridTest : public DesignerTest {
 protected:
  // Opens the window with the text element chosen; its BackColor row is the one edited.
  void openOnText() {
    open();
    trigger("MC_TEXT");
    row_ = rowOf("BackColor");
  }
  QString valueText() const { return grid()->item(row_, 1)->text(); }

  int row_ = -1;
};

TEST_F(GridTest, ValuesAreSignedDecimalAndColourCellsPaintTheirColour) {
  store().write("Orvane", "Palvex\\Default\\TEXT", "BackColor", "16777215");
  store().write("Orvane", "Palvex\\Default\\TEXT", "foreColor", "-2147483633");
  store().write("Orvane", "Palvex\\Default\\TEXT", "borderColor", "255");
  openOnText();
  EXPECT_EQ(valueText(), QStringLiteral("16777215"));
  const int fore = rowOf("foreColor"), border = rowOf("borderColor");
  EXPECT_EQ(grid()->item(fore, 1)->text(), QStringLiteral("-2147483633"));
  EXPECT_EQ(cellPixel(border, 1), QColor(255, 0, 0));
  // A cancelled colour dialog keeps the value it was given.
  dialogs_->colours.push_back(std::nullopt);
  clickCell(border, 0);
  EXPECT_EQ(dialogs_->colourInitials, std::vector<std::int32_t>{255});
  EXPECT_FALSE(unsaved());
  // A system colour cell follows the palette, and the grid repaints by itself.
  QCoreApplication::processEvents();
  PaintCounter painted(grid()->viewport());
  installSystemColourResolver([](int index) -> std::optional<std::int32_t> {
    if (index == 15) return 0x0000AA;
    return std::nullopt;
  });
  QCoreApplication::processEvents();
  EXPECT_GT(painted.paints, 0);
  EXPECT_EQ(cellPixel(fore, 1), QColor(0xAA, 0, 0));
  installSystemColourResolver(nullptr);
}

// What the input box may answer, and what the element then holds.
struct Typed : NamedRow {
  std::optional<QString> answer;      // nullopt: Cancel
  std::optional<std::int32_t> value;  // nullopt: refused with the message
};

class TypedNumber : public GridTest, public ::testing::WithParamInterface<Typed> {};

TEST_P(TypedNumber, IsTakenOrRefusedWithTheMessage) {
  const Typed& t = GetParam();
  globales::sharedText()->setBackColor(7);
  openOnText();
  dialogs_->inputs.push_back(t.answer);
  clickCell(row_, 1);
  EXPECT_EQ(dialogs_->inputDefaults, std::vector<QString>{"7"}) << "the box offers the value shown";
  const std::int32_t held = t.value.value_or(7);
  EXPECT_EQ(utility_->messages, t.value ? std::vector<std::string>{} : std::vector<std::string>{kInvalid});
  EXPECT_EQ(globales::sharedText()->BackColor(), held);
  EXPECT_EQ(valueText(), QString::number(held));
  EXPECT_EQ(unsaved(), t.value.has_value());
}

// The conversion itself is the engine's; here, what the grid does with its
// answer. A cancelled box is refused like a word.
const Typed kTyped[] = {
    {{"decimal"}, QStringLiteral("255"), 255},
    {{"a word"}, QStringLiteral("rojo"), std::nullopt},
    {{"cancelled"}, std::nullopt, std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Answers, TypedNumber, ::testing::ValuesIn(kTyped), RowName());

}  // namespace
}  // namespace palvex::testing
