// skinDate: a date box with a calendar drop-down. It may be empty; a text
// that is no date counts as empty.

#include <QCalendarWidget>
#include <QFrame>
#include <QPainter>
#include <QVBoxLayout>

#include "palvex/qt/controls.h"
#include "qt/controls/text_look.h"

namespace palvex::qt {

namespace {

// The calendar drop-down: picking a day writes it into the box and closes.
class CalendarPopup : public QFrame {
 public:
  CalendarPopup(skinDate* box, const QPalette& look) : QFrame(box, Qt::Popup) {
    setObjectName(QStringLiteral("calendar"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setStyle(controls_detail::baseStyle());
    setPalette(look);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    auto* calendar = new QCalendarWidget(this);
    calendar->setObjectName(QStringLiteral("calendarWidget"));
    calendar->setPalette(look);
    calendar->setGridVisible(false);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    if (box->date().isValid()) calendar->setSelectedDate(box->date());
    layout->addWidget(calendar);
    connect(calendar, &QCalendarWidget::activated, this, [this, box](const QDate& day) {
      box->setDate(day);
      close();
    });
    connect(calendar, &QCalendarWidget::clicked, this, [this, box](const QDate& day) {
      box->setDate(day);
      close();
    });
  }
};

}  // namespace

skinDate::skinDate(QWidget* parent) : EditWithButton(parent), format_(QStringLiteral("dd/MM/yyyy")) {
  connect(lineEdit(), &QLineEdit::editingFinished, this, &skinDate::noteDate);
}

QDate skinDate::date() const {
  const QString shown = text().trimmed();
  if (shown.isEmpty()) return {};
  QDate parsed = QDate::fromString(shown, format_);
  // Typed without leading zeros ("3/7/2024") is the same date.
  if (!parsed.isValid() && format_ == QLatin1String("dd/MM/yyyy"))
    parsed = QDate::fromString(shown, QStringLiteral("d/M/yyyy"));
  return parsed;
}

void skinDate::setDate(const QDate& day) {
  setText(day.isValid() ? day.toString(format_) : QString());
  noteDate();
}

void skinDate::setDateFormat(const QString& format) {
  const QDate day = date();
  format_ = format;
  if (day.isValid()) setText(day.toString(format_));
}

void skinDate::noteDate() {
  const QDate day = date();
  if (day.isValid()) {
    const QString tidy = day.toString(format_);
    if (tidy != text()) setText(tidy);
  }
  if (day == lastDate_) return;
  lastDate_ = day;
  emit dateChanged(day);
}

void skinDate::showCalendar() {
  auto* popup = new CalendarPopup(this, lookPalette());
  popup->adjustSize();
  popup->move(mapToGlobal(QPoint(0, height())));
  popup->show();
}

void skinDate::paintButtonGlyph(QPainter& painter, const QRect& area, const QColor& colour) const {
  controls_detail::drawDownArrow(painter, area, colour);
}

}  // namespace palvex::qt
