// The common part of skinNumber and skinDate: the control paints the fill,
// the border and the button; the inner line edit (frameless, drawn by the
// base style) shows the text with the same colours through its palette.

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include "palvex/qt/controls.h"
#include "qt/controls/text_look.h"

namespace palvex::qt {

namespace {
constexpr int kButtonWidth = 17;
}  // namespace

EditWithButton::EditWithButton(QWidget* parent)
    : QWidget(parent), colours_(controls_detail::defaultTextColours()), edit_(new QLineEdit(this)) {
  edit_->setObjectName(QStringLiteral("edit"));
  edit_->setStyle(controls_detail::baseStyle());
  edit_->setFrame(false);
  edit_->setTextMargins(2, 0, 2, 0);
  edit_->setAttribute(Qt::WA_MacShowFocusRect, false);
  // The control takes focus through its editor, so hasFocus() follows it.
  setFocusPolicy(Qt::StrongFocus);
  setFocusProxy(edit_);
  edit_->installEventFilter(this);
  setAttribute(Qt::WA_InputMethodEnabled);
  layoutEditor();
  syncPalette();
}

PALVEX_TEXT_CONTROL_ACCESSORS(EditWithButton)

QString EditWithButton::text() const { return edit_->text(); }
void EditWithButton::setText(const QString& text) { edit_->setText(text); }

QPalette EditWithButton::lookPalette() const {
  return controls_detail::lookPalette(palette(), controls_detail::textLook(colours_, hasFocus()));
}

void EditWithButton::syncPalette() { controls_detail::setPaletteIfChanged(this, lookPalette()); }

QRect EditWithButton::buttonRect() const {
  if (!buttonShown_) return {};
  const QRect inner = rect().adjusted(1, 1, -1, -1);
  return QRect(inner.right() - kButtonWidth + 1, inner.top(), kButtonWidth, inner.height());
}

void EditWithButton::setButtonShown(bool shown) {
  if (buttonShown_ == shown) return;
  buttonShown_ = shown;
  layoutEditor();
  update();
}

void EditWithButton::layoutEditor() {
  QRect area = rect().adjusted(1, 1, -1, -1);
  if (buttonShown_) area.setRight(area.right() - kButtonWidth);
  edit_->setGeometry(area);
}

QSize EditWithButton::sizeHint() const {
  const QFontMetrics metrics = fontMetrics();
  return QSize(metrics.horizontalAdvance(QLatin1Char('x')) * 14 + kButtonWidth + 8, metrics.height() + 8);
}

void EditWithButton::paintEvent(QPaintEvent*) {
  syncPalette();
  const controls_detail::TextLook look = controls_detail::textLook(colours_, hasFocus());
  QPainter painter(this);
  controls_detail::drawBox(painter, rect(), look.back, look.border);
  if (buttonShown_) paintButtonGlyph(painter, buttonRect(), look.fore);
}

void EditWithButton::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layoutEditor();
}

void EditWithButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !buttonRect().contains(event->position().toPoint())) {
    QWidget::mousePressEvent(event);
    return;
  }
  edit_->setFocus(Qt::MouseFocusReason);
  buttonPressed();
}

bool EditWithButton::eventFilter(QObject* watched, QEvent* event) {
  // The editor holds the focus: its focus changes are the control's.
  if (watched == edit_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) update();
  return QWidget::eventFilter(watched, event);
}

}  // namespace palvex::qt
