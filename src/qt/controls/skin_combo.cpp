// skinCombo: a QComboBox painted by the control itself (flat fill, border,
// arrow); its line edit and its drop-down list take the colours through
// their palettes.

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionComboBox>

#include "palvex/qt/controls.h"
#include "qt/controls/text_look.h"

namespace palvex::qt {

skinCombo::skinCombo(QWidget* parent) : QComboBox(parent), colours_(controls_detail::defaultTextColours()) {
  setStyle(controls_detail::baseStyle());
  setEditable(true);
  setFocusPolicy(Qt::StrongFocus);
  syncPalette();
}

PALVEX_TEXT_CONTROL_ACCESSORS(skinCombo)

void skinCombo::setText(const QString& text) {
  if (isEditable()) {
    setEditText(text);
    return;
  }
  int index = findText(text);
  if (index < 0) {
    addItem(text);
    index = count() - 1;
  }
  setCurrentIndex(index);
}

void skinCombo::syncPalette() {
  controls_detail::setPaletteIfChanged(
      this, controls_detail::lookPalette(palette(), controls_detail::textLook(colours_, hasFocus())));
  // The line edit follows the combo's palette by inheritance, but a line
  // edit made later by setEditable comes with the application's style.
  if (QLineEdit* edit = lineEdit(); edit && edit->style() != controls_detail::baseStyle()) {
    edit->setStyle(controls_detail::baseStyle());
    edit->setFrame(false);
  }
}

void skinCombo::showPopup() {
  // The drop-down list is a window of its own, which palettes do not reach;
  // it gets the colours when it opens (it is made on first use).
  const QPalette look = palette();
  controls_detail::setPaletteIfChanged(view(), look);
  if (QWidget* popup = view()->parentWidget(); popup && popup != this)
    controls_detail::setPaletteIfChanged(popup, look);
  QComboBox::showPopup();
}

QRect skinCombo::arrowRect() const {
  QStyleOptionComboBox option;
  initStyleOption(&option);
  return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
}

QSize skinCombo::sizeHint() const {
  const QSize stock = QComboBox::sizeHint();
  return QSize(qMax(stock.width(), 120), fontMetrics().height() + 8);
}

QSize skinCombo::minimumSizeHint() const {
  return QSize(arrowRect().width() + 24, fontMetrics().height() + 6);
}

void skinCombo::paintEvent(QPaintEvent*) {
  syncPalette();
  const controls_detail::TextLook look = controls_detail::textLook(colours_, hasFocus());
  QPainter painter(this);
  controls_detail::drawBox(painter, rect(), look.back, look.border);
  controls_detail::drawDownArrow(painter, arrowRect(), look.fore);
  if (isEditable()) return;  // the line edit shows the text
  QStyleOptionComboBox option;
  initStyleOption(&option);
  const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this)
                          .adjusted(3, 0, -2, 0);
  painter.setPen(look.fore);
  painter.drawText(field, Qt::AlignLeft | Qt::AlignVCenter,
                   fontMetrics().elidedText(currentText(), Qt::ElideRight, field.width()));
}

void skinCombo::focusInEvent(QFocusEvent* event) {
  QComboBox::focusInEvent(event);
  update();
}

void skinCombo::focusOutEvent(QFocusEvent* event) {
  QComboBox::focusOutEvent(event);
  update();
}

}  // namespace palvex::qt
