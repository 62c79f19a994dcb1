#include "designer/designer_samples.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QStringList>
#include <QTableWidget>

#include "designer/designer_layout.h"
#include "palvex/control_types.h"
#include "palvex/qt/controls.h"

namespace palvex::designer::detail {
namespace {

namespace ctl = palvex::qt;

constexpr int kCodeBoxMaxLength = 20;

QWidget* createGroup(const QString& caption, QWidget* parent) {
  auto* group = new QFrame(parent);
  group->setFrameShape(QFrame::NoFrame);
  group->setAccessibleName(caption);
  group->setWindowTitle(caption);
  return group;
}

// A grid control's own cell size at 96 dpi: all nine rows and eight columns
// show in the sample's place without scrolling.
constexpr int kGridCellWidth = 64;
constexpr int kGridCellHeight = 19;

QWidget* createGrid(QWidget* parent) {
  // The header is the grid's fixed row; the body holds the other eight.
  auto* grid = new QTableWidget(kSampleGridRows - 1, kSampleGridColumns, parent);
  const double scale = layoutScale(*grid);
  grid->horizontalHeader()->setDefaultSectionSize(static_cast<int>(kGridCellWidth * scale));
  grid->horizontalHeader()->setFixedHeight(static_cast<int>(kGridCellHeight * scale));
  grid->verticalHeader()->setDefaultSectionSize(static_cast<int>(kGridCellHeight * scale));
  grid->verticalHeader()->setMinimumSectionSize(1);
  grid->setHorizontalHeaderLabels(QStringList(kSampleGridColumns, QString()));
  grid->verticalHeader()->hide();
  grid->horizontalHeader()->setSectionsClickable(false);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return grid;
}

QWidget* createCodeBox(QWidget* parent) {
  auto* box = new ctl::skinCodeBox(parent);
  box->setMaxLength(kCodeBoxMaxLength);
  return box;
}

QWidget* createNumber(QWidget* parent) {
  auto* number = new ctl::skinNumber(parent);
  number->setCalculatorButton(true);
  return number;
}

QWidget* createTabs(QWidget* parent) {
  auto* tabs = new ctl::skinTabs(parent);
  tabs->setTabs({QStringLiteral("Tab 1"), QStringLiteral("Tab 2")});
  return tabs;
}

QWidget* createCombo(const QString& text, QWidget* parent) {
  auto* combo = new ctl::skinCombo(parent);
  combo->setText(text);
  return combo;
}

}  // namespace

QWidget* createSample(SampleKind kind, const QString& text, QWidget* parent) {
  switch (kind) {
    case SampleKind::Group: return createGroup(text, parent);
    case SampleKind::Label: return new QLabel(text, parent);
    case SampleKind::Shape: return new ctl::Shape(parent);
    case SampleKind::RoundButton: return new ctl::roundButton(text, parent);
    case SampleKind::Tabs: return createTabs(parent);
    case SampleKind::Check: return new ctl::skinCheck(text, parent);
    case SampleKind::Combo: return createCombo(text, parent);
    case SampleKind::List: return new ctl::skinList(parent);
    case SampleKind::CodeBox: return createCodeBox(parent);
    case SampleKind::Text: return new ctl::skinText(parent);
    case SampleKind::Number: return createNumber(parent);
    case SampleKind::Date: return new ctl::skinDate(parent);
    case SampleKind::Grid: return createGrid(parent);
    case SampleKind::Button: return new ctl::skinButton(text, parent);
  }
  return new QWidget(parent);
}

void addStatusPanel(QStatusBar& bar, const QString& text) {
  auto* panel = new QLabel(text, &bar);
  panel->setObjectName("StatusBar1Panel1");
  // Part of the bar, not a label of the form: it shows the bar's own colour.
  panel->setProperty("Tag", QString::fromLatin1(kOverrideMarker.data(), kOverrideMarker.size()));
  bar.addWidget(panel, 1);
}

}  // namespace palvex::designer::detail
