// skinTabs: a row of tabs over a page area, painted flat. Each tab is a
// fill with an outer and an inner 1-pixel border; the current tab stands
// two pixels higher and opens into the page. A tab under the mouse (not
// the current one) shows the hover border.

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "palvex/control_types.h"
#include "palvex/qt/controls.h"
#include "qt/controls/control_support.h"

namespace palvex::qt {

namespace {

constexpr int kTabPadding = 8;  // between a tab's border and its caption
constexpr int kFirstTab = 2;    // room left of the first tab
constexpr int kRaise = 2;       // how much higher the current tab stands

// The left, top and right sides of a 1-pixel outline (no bottom).
void drawOpenBorder(QPainter& painter, const QRect& rect, const QColor& colour) {
  painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), colour);
  painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), colour);
  painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), colour);
}

}  // namespace

skinTabs::skinTabs(QWidget* parent)
    // The tab-strip element's defaults; captions in the label colour.
    : QWidget(parent),
      colours_({0xFFFFFF, 0xFFFFFF, 0xFFD3D0, 0x80C0FF, 0xFDB6A2, 0xCD7407, 0xFFFFFF, 0xCD7407, 0x404040}) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

QString skinTabs::ControlClass() const { return controls_detail::qstring(controlclass::kTab); }

void skinTabs::setColour(std::size_t slot, int colour) {
  if (colours_.set(slot, colour)) update();
}
void skinTabs::setTabBackColor(int colour) { setColour(kBack, colour); }
void skinTabs::setTabBackColorSelected(int colour) { setColour(kBackSelected, colour); }
void skinTabs::setTabBorderColorHover(int colour) { setColour(kBorderHover, colour); }
void skinTabs::setTabInnerBorder(int colour) { setColour(kInner, colour); }
void skinTabs::setTabInnerBorderSelected(int colour) { setColour(kInnerSelected, colour); }
void skinTabs::setTabBorderColor(int colour) { setColour(kBorder, colour); }
void skinTabs::setTabBorderColorSelected(int colour) { setColour(kBorderSelected, colour); }
void skinTabs::setBorderColor(int colour) { setColour(kPageBorder, colour); }
void skinTabs::setForeColor(int colour) {
  foreColorSet_ = true;
  setColour(kFore, colour);
}

QColor skinTabs::captionInk(std::size_t fill) const {
  const QColor fore = colours_.paint(kFore);
  return foreColorSet_ ? fore : controls_detail::readableInk(fore, colours_.paint(fill));
}

int skinTabs::addTab(const QString& caption, QWidget* page) {
  tabs_.append(Tab{caption, page});
  if (page) {
    page->setParent(this);
    page->setGeometry(pageRect());
  }
  const int index = count() - 1;
  if (current_ < 0) {
    setCurrentIndex(index);
  } else {
    showCurrentPage();
  }
  updateGeometry();
  update();
  return index;
}

void skinTabs::setTabs(const QStringList& captions) {
  // Captions only: pages of tabs that stay keep their place.
  QVector<Tab> kept;
  for (int i = 0; i < captions.size(); ++i) kept.append(Tab{captions.at(i), i < count() ? tabs_.at(i).page : nullptr});
  for (int i = static_cast<int>(captions.size()); i < count(); ++i) delete tabs_.at(i).page;
  tabs_ = kept;
  if (current_ >= count()) current_ = -1;
  if (current_ < 0 && count() > 0) setCurrentIndex(0);
  showCurrentPage();
  updateGeometry();
  update();
}

QStringList skinTabs::tabs() const {
  QStringList captions;
  for (const Tab& tab : tabs_) captions.append(tab.caption);
  return captions;
}

QString skinTabs::tabText(int index) const { return index >= 0 && index < count() ? tabs_.at(index).caption : QString(); }
QWidget* skinTabs::page(int index) const { return index >= 0 && index < count() ? tabs_.at(index).page : nullptr; }

int skinTabs::tabHeight() const { return fontMetrics().height() + 8; }

QRect skinTabs::tabRect(int index) const {
  if (index < 0 || index >= count()) return {};
  const QFontMetrics metrics = fontMetrics();
  int left = kFirstTab;
  for (int i = 0; i < index; ++i)
    left += qMax(40, metrics.horizontalAdvance(tabs_.at(i).caption) + 2 * kTabPadding) - 1;
  const int width = qMax(40, metrics.horizontalAdvance(tabs_.at(index).caption) + 2 * kTabPadding);
  // The current tab reaches into the page's top border, which it opens.
  if (index == current_) return QRect(left, 0, width, tabHeight() + 1);
  return QRect(left, kRaise, width, tabHeight() - kRaise);
}

QRect skinTabs::pageRect() const { return rect().adjusted(1, tabHeight() + 1, -1, -1); }

int skinTabs::tabAt(const QPoint& pos) const {
  // The current tab overlaps its neighbours' edges: it wins.
  if (tabRect(current_).contains(pos)) return current_;
  for (int i = 0; i < count(); ++i)
    if (tabRect(i).contains(pos)) return i;
  return -1;
}

void skinTabs::setCurrentIndex(int index) {
  if (index < 0 || index >= count() || index == current_) return;
  current_ = index;
  showCurrentPage();
  update();
  emit currentChanged(index);
}

void skinTabs::showCurrentPage() {
  for (int i = 0; i < count(); ++i)
    if (QWidget* shown = tabs_.at(i).page) shown->setVisible(i == current_);
}

void skinTabs::setHovered(int index) {
  if (hovered_ == index) return;
  hovered_ = index;
  update();
}

QSize skinTabs::sizeHint() const {
  const QRect last = tabRect(count() - 1);
  return QSize(qMax(200, last.right() + 4), tabHeight() + 60);
}

QSize skinTabs::minimumSizeHint() const { return QSize(60, tabHeight() + 8); }

void skinTabs::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect page = rect().adjusted(0, tabHeight(), 0, 0);
  controls_detail::drawBox(painter, page, colours_.paint(kBackSelected), colours_.paint(kPageBorder));
  for (int i = 0; i < count(); ++i) {
    if (i == current_) continue;
    const QRect tab = tabRect(i);
    const QColor outer = colours_.paint(i == hovered_ ? kBorderHover : kBorder);
    controls_detail::drawBox(painter, tab, colours_.paint(kBack), outer);
    controls_detail::drawBorder(painter, tab.adjusted(1, 1, -1, -1), colours_.paint(kInner));
  }
  // The current tab last, over its neighbours' edges and the page border.
  const QRect tab = tabRect(current_);
  if (!tab.isEmpty()) {
    painter.fillRect(tab, colours_.paint(kBackSelected));
    drawOpenBorder(painter, tab, colours_.paint(kBorderSelected));
    drawOpenBorder(painter, tab.adjusted(1, 1, -1, 0), colours_.paint(kInnerSelected));
  }
  const QColor inkOnTab = captionInk(kBack);
  const QColor inkOnCurrent = captionInk(kBackSelected);
  for (int i = 0; i < count(); ++i) {
    const QRect area = tabRect(i).adjusted(2, 2, -2, i == current_ ? -1 : 0);
    painter.setPen(i == current_ ? inkOnCurrent : inkOnTab);
    painter.drawText(area, Qt::AlignCenter, tabs_.at(i).caption);
  }
  if (!hasFocus() || tab.isEmpty()) return;
  const QRect caption = painter.boundingRect(tab, Qt::AlignCenter, tabs_.at(current_).caption);
  painter.setPen(QPen(inkOnCurrent, 1, Qt::DotLine));
  painter.drawLine(caption.left(), caption.bottom() + 1, caption.right(), caption.bottom() + 1);
}

void skinTabs::mousePressEvent(QMouseEvent* event) {
  const int index = tabAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && index >= 0) {
    setCurrentIndex(index);
    return;
  }
  QWidget::mousePressEvent(event);
}

void skinTabs::mouseMoveEvent(QMouseEvent* event) {
  setHovered(tabAt(event->position().toPoint()));
  QWidget::mouseMoveEvent(event);
}

void skinTabs::leaveEvent(QEvent* event) {
  setHovered(-1);
  QWidget::leaveEvent(event);
}

void skinTabs::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Left && current_ > 0) return setCurrentIndex(current_ - 1);
  if (event->key() == Qt::Key_Right && current_ + 1 < count()) return setCurrentIndex(current_ + 1);
  QWidget::keyPressEvent(event);
}

void skinTabs::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  for (const Tab& tab : std::as_const(tabs_))
    if (tab.page) tab.page->setGeometry(pageRect());
}

}  // namespace palvex::qt
