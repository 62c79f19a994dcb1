// skinButton, roundButton and slideButton: push buttons painted flat in
// their own colours.

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

#include "palvex/control_types.h"
#include "palvex/qt/controls.h"
#include "qt/controls/control_support.h"

namespace palvex::qt {

namespace {

QSize captionSize(const QWidget* button, const QString& caption, int padX, int padY) {
  const QFontMetrics metrics = button->fontMetrics();
  return QSize(metrics.horizontalAdvance(caption) + 2 * padX, metrics.height() + 2 * padY);
}

}  // namespace

// ---------------------------------------------------------------- skinButton

skinButton::skinButton(QWidget* parent)
    // The command-button element's defaults: white on strong blue, white on
    // dark blue when focused, grey on pale blue when disabled.
    : QAbstractButton(parent), colours_({0xFFFFFF, 0xFFFFFF, 0x808080, 0xCD7407, 0xC00000, 0xFFD3D0}) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

skinButton::skinButton(const QString& caption, QWidget* parent) : skinButton(parent) { setText(caption); }

QString skinButton::ControlClass() const { return controls_detail::qstring(controlclass::kButton); }

void skinButton::setColour(std::size_t slot, int colour) {
  if (colours_.set(slot, colour)) update();
}
void skinButton::setForeColor(int colour) { setColour(kFore, colour); }
void skinButton::setForeColorFocused(int colour) { setColour(kForeFocused, colour); }
void skinButton::setForeColorDisabled(int colour) { setColour(kForeDisabled, colour); }
void skinButton::setBackColor(int colour) { setColour(kBack, colour); }
void skinButton::setBackColorFocused(int colour) { setColour(kBackFocused, colour); }
void skinButton::setBackColorDisabled(int colour) { setColour(kBackDisabled, colour); }

QSize skinButton::sizeHint() const { return captionSize(this, text(), 12, 6).expandedTo(QSize(75, 23)); }
QSize skinButton::minimumSizeHint() const { return captionSize(this, text(), 4, 2); }

void skinButton::paintEvent(QPaintEvent*) {
  // A checked button (the current one of a slideButton) shows as focused.
  const bool focused = hasFocus() || isChecked();
  QColor back = colours_.paint(!isEnabled() ? kBackDisabled : focused ? kBackFocused : kBack);
  const QColor fore = colours_.paint(!isEnabled() ? kForeDisabled : focused ? kForeFocused : kFore);
  if (isDown()) back = back.darker(115);
  QPainter painter(this);
  painter.fillRect(rect(), back);
  painter.setPen(fore);
  const QRect area = rect().adjusted(4, 2, -4, -2);
  painter.drawText(area, Qt::AlignCenter | Qt::TextShowMnemonic,
                   fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
}

// ---------------------------------------------------------------- roundButton

roundButton::roundButton(QWidget* parent)
    // Until themed: the form element's background and the label colour.
    : QAbstractButton(parent), colours_({0xEED9D0, 0x404040}) {
  setFocusPolicy(Qt::StrongFocus);
}

roundButton::roundButton(const QString& caption, QWidget* parent) : roundButton(parent) { setText(caption); }

void roundButton::setColour(std::size_t slot, int colour) {
  if (colours_.set(slot, colour)) update();
}
void roundButton::setBackColor(int colour) { setColour(kBack, colour); }
void roundButton::setForeColor(int colour) { setColour(kFore, colour); }

void roundButton::aplicarTema(QVariant tema) {
  if (!tema.canConvert<ObjectRef>()) return;
  const ObjectRef theme = tema.value<ObjectRef>();
  if (!theme) return;
  // Both colours read before either is set: a theme that cannot answer
  // leaves the button as it was.
  try {
    const std::int32_t face = theme->get("BackColor").toInt32();
    const std::int32_t label = theme->get("LabelColor").toInt32();
    setBackColor(face);
    setForeColor(label);
  } catch (const std::exception&) {
  }
}

QSize roundButton::sizeHint() const {
  const QSize caption = captionSize(this, text(), 0, 8);
  return QSize(caption.width() + caption.height(), caption.height()).expandedTo(QSize(75, 25));
}
QSize roundButton::minimumSizeHint() const { return captionSize(this, text(), 8, 2); }

namespace {
// The round face: a rectangle with fully rounded ends, on pixel centres so
// that its straight edges are exact.
QPainterPath facePath(const QRect& rect) {
  const QRectF face = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
  const qreal radius = qMin(face.width(), face.height()) / 2;
  QPainterPath path;
  path.addRoundedRect(face, radius, radius);
  return path;
}
}  // namespace

bool roundButton::hitButton(const QPoint& pos) const { return facePath(rect()).contains(pos); }

void roundButton::paintEvent(QPaintEvent*) {
  QColor face = colours_.paint(kBack);
  const QColor label = colours_.paint(kFore);
  if (isDown()) face = face.darker(115);
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(label, 1));
  painter.setBrush(face);
  painter.drawPath(facePath(rect()));
  if (hasFocus()) {
    painter.setPen(QPen(label, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(facePath(rect().adjusted(3, 3, -3, -3)));
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(label);
  const QRect area = rect().adjusted(height() / 2, 0, -height() / 2, 0);
  painter.drawText(area, Qt::AlignCenter | Qt::TextShowMnemonic,
                   fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
}

// ---------------------------------------------------------------- slideButton

slideButton::slideButton(QWidget* parent) : QWidget(parent), row_(new QHBoxLayout(this)) {
  row_->setContentsMargins(0, 0, 0, 0);
  row_->setSpacing(1);
}

skinButton* slideButton::addButton(const QString& caption) {
  const int index = count();
  auto* button = new skinButton(caption, this);
  button->setObjectName(QStringLiteral("button%1").arg(index));
  button->setCheckable(true);
  connect(button, &QAbstractButton::clicked, this, [this, index] {
    setCurrentIndex(index);
    emit buttonClicked(index);
  });
  row_->addWidget(button);
  buttons_.append(button);
  if (current_ < 0) setCurrentIndex(0);
  return button;
}

void slideButton::setCaptions(const QStringList& captions) {
  for (skinButton* button : std::as_const(buttons_)) delete button;
  buttons_.clear();
  current_ = -1;
  for (const QString& caption : captions) addButton(caption);
}

QStringList slideButton::captions() const {
  QStringList list;
  for (const skinButton* button : buttons_) list.append(button->text());
  return list;
}

skinButton* slideButton::button(int index) const {
  return index >= 0 && index < count() ? buttons_.at(index) : nullptr;
}

QSize slideButton::sizeHint() const {
  // Without buttons yet, the size of one, so that it can be placed.
  return buttons_.isEmpty() ? QSize(75, 23) : QWidget::sizeHint();
}

QObject* slideButton::pickButton(int index) { return button(index); }

void slideButton::setCurrentIndex(int index) {
  if (index < 0 || index >= count()) return;
  // Always re-check: a click toggles the clicked button by itself.
  for (int i = 0; i < count(); ++i) buttons_.at(i)->setChecked(i == index);
  if (index == current_) return;
  current_ = index;
  emit currentChanged(index);
}

}  // namespace palvex::qt
