// The property grid: one row per property descriptor of the chosen element,
// colours painted into their value cells, and the click that edits a colour.

#include <QKeyEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "designer/designer_text.h"
#include "designer/frm_designer.h"
#include "palvex/error.h"
#include "palvex/globales.h"
#include "palvex/qt/designer.h"
#include "palvex/settings.h"
#include "palvex/shared_utility.h"
#include "palvex/system_colours.h"
#include "palvex/variant.h"

namespace palvex::designer::detail {
namespace {

// The colour value a cell paints with, kept as the engine holds it so that a
// system colour is resolved whenever the cell is painted.
constexpr int kColourRole = Qt::UserRole + 1;

QColor toQColor(std::int32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

// Black or white, whichever reads better on `background`.
QColor readableOn(const QColor& background) {
  const int luma = (299 * background.red() + 587 * background.green() + 114 * background.blue()) / 1000;
  return luma < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

class ColourCellDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // The current cell is outlined in the colour of its text, not tinted: a
  // tint would change the very colour the cell is there to show.
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
    if (!(option.state & QStyle::State_HasFocus)) return;
    initStyleOption(&plain, index);
    painter->save();
    painter->setPen(plain.palette.color(QPalette::Text));
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    painter->restore();
  }

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant raw = index.data(kColourRole);
    if (!raw.isValid()) return;
    const std::optional<std::int32_t> rgb = resolveColour(raw.toInt());
    if (!rgb) return;  // names nothing paintable: the grid's own background
    const QColor colour = toQColor(*rgb);
    option->backgroundBrush = colour;
    option->palette.setColor(QPalette::Text, readableOn(colour));
  }
};

// What the input box gives, as the classic whole-number conversion reads it:
// blanks around it, a sign, a decimal fraction rounded half to even, &H hex.
std::optional<std::int32_t> toColourNumber(const QString& text) {
  try {
    return Variant(text.toStdString()).toInt32();
  } catch (const Error&) {
    return std::nullopt;
  }
}

// The tooltip of a value the override file locks: an edit is saved to the
// store, but the file's value wins again when the theme is next loaded.
QString lockedByIniTip(const Element& element, std::string_view propName) {
  const std::size_t index = element.indexOf(propName);
  if (index == Element::npos) return {};
  const PropertyRow& row = element.table().properties[index];
  const std::optional<std::string> locked =
      OverrideFileText(globales::currentThemeName(), element.table().sectionWord, row.readKey);
  if (!locked) return {};
  return QString::fromUtf8(kLockedByIni).arg(QString::fromStdString(*locked));
}

bool actsAsClick(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Space;
}

}  // namespace

void FrmDesigner::setUpPropertyGrid() {
  properties_ = findChild<QTableWidget*>(QStringLiteral("grdProperties"));
  properties_->setItemDelegate(new ColourCellDelegate(properties_));
  properties_->installEventFilter(this);
  connect(properties_, &QTableWidget::cellClicked, this,
          [this](int row, int column) { guarded([=, this] { gridClicked(row, column); }); });
  systemColourListener_ = addSystemColourListener([grid = properties_] { grid->viewport()->update(); });
}

void FrmDesigner::loadPropertyGrid() {
  const std::vector<DescriptorPropiedad> descriptors = currentElement_->propDesc();
  const int n = static_cast<int>(descriptors.size());
  properties_->setRowCount(n);
  for (int row = 0; row < n; ++row) {
    const DescriptorPropiedad& descriptor = descriptors[static_cast<std::size_t>(row)];
    properties_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(descriptor.propName)));
    showValue(row, descriptor);
  }
  if (n > 0) properties_->setCurrentCell(n - 1, 1);
}

// Writes the value cell of `row`: its decimal text, its colour when it is a
// colour, and whether the override file locks it.
void FrmDesigner::showValue(int row, const DescriptorPropiedad& descriptor) {
  auto* value = new QTableWidgetItem(QString::number(descriptor.valor));
  value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  if (descriptor.propType == kPropTypeColour) value->setData(kColourRole, descriptor.valor);
  const QString tip = lockedByIniTip(*currentElement_, descriptor.propName);
  value->setToolTip(tip);
  properties_->setItem(row, 1, value);
  if (QTableWidgetItem* name = properties_->item(row, 0)) name->setToolTip(tip);
}

// The value cell of the element's property at `index` (its row), as the element holds it now.
void FrmDesigner::showValueOf(std::size_t index) {
  const std::vector<DescriptorPropiedad> descriptors = currentElement_->propDesc();
  if (index >= descriptors.size() || static_cast<int>(index) >= properties_->rowCount()) return;
  showValue(static_cast<int>(index), descriptors[index]);
}

// The grid's click, after the clicked cell became the current cell. The
// descriptors are asked again: row r stands for the element's property r.
void FrmDesigner::gridClicked(int row, int column) {
  const std::shared_ptr<Element> element = currentElement_;
  if (!element) return;  // nothing chosen yet
  const std::vector<DescriptorPropiedad> descriptors = element->propDesc();
  if (row < 0 || row >= static_cast<int>(descriptors.size())) return;
  const DescriptorPropiedad& d = descriptors[static_cast<std::size_t>(row)];
  if (d.propType != kPropTypeColour) return;

  std::optional<std::int32_t> v;
  if (column == 0) {
    v = pickColor(d.valor);
  } else if (!(v = askNumber(row))) {
    sharedUtility().showMessage(std::string(kInvalidNumber));
    return;
  }
  if (*v != d.valor) {
    properties_->setCurrentCell(row, 1);
    showValue(row, DescriptorPropiedad{d.propName, d.propType, d.numMin, d.numMax, *v});
    unsavedChanges_ = true;
    editing_ = true;
    const auto done = qScopeGuard([this] { editing_ = false; });
    element->set(d.propName, Variant(*v));
  }
  refreshPreview(*element);
}

// The colour dialog; a cancel or a failure gives back `initial`.
std::int32_t FrmDesigner::pickColor(std::int32_t initial) {
  try {
    return designerDialogs().pickColor(this, initial).value_or(initial);
  } catch (...) {
    return initial;
  }
}

// The input box with the value as shown; nullopt when the answer (Cancel gives
// an empty one) is no 32-bit whole number.
std::optional<std::int32_t> FrmDesigner::askNumber(int row) {
  const QTableWidgetItem* cell = properties_->item(row, 1);
  const std::optional<QString> answer = designerDialogs().inputBox(
      this, QString::fromUtf8(kColourPrompt), QString::fromUtf8(kColourTitle), cell ? cell->text() : QString());
  return toColourNumber(answer.value_or(QString()));
}

// Enter or Space on a cell acts as a click on it; the arrows move as usual.
bool FrmDesigner::gridKey(QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto& key = static_cast<const QKeyEvent&>(*event);
  if (!actsAsClick(key) || key.modifiers() & ~Qt::KeypadModifier) return false;
  const int row = properties_->currentRow(), column = properties_->currentColumn();
  guarded([=, this] { gridClicked(row, column); });
  return true;
}

}  // namespace palvex::designer::detail
