// skinNumber: a number box with a calculator button. The calculator is a
// small popup whose result is written back into the box.

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <cmath>

#include "palvex/qt/controls.h"
#include "qt/controls/text_look.h"

namespace palvex::qt {

namespace {

double parseNumber(QString text, bool* ok) {
  text.replace(QLatin1Char(','), QLatin1Char('.'));
  return QLocale::c().toDouble(text.trimmed(), ok);
}

// A four-function calculator: a display above a grid of keys. "OK" (or
// Enter) writes the display's value into the box and closes the popup.
class Calculator : public QFrame {
 public:
  Calculator(skinNumber* box, const QPalette& look) : QFrame(box, Qt::Popup), box_(box) {
    setObjectName(QStringLiteral("calculator"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setStyle(controls_detail::baseStyle());
    setPalette(look);
    setAutoFillBackground(true);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(2);
    display_ = new QLineEdit(this);
    display_->setObjectName(QStringLiteral("display"));
    display_->setStyle(controls_detail::baseStyle());
    display_->setReadOnly(true);
    display_->setAlignment(Qt::AlignRight);
    display_->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(display_, 0, 0, 1, 4);
    static const char* const keys[] = {"7", "8", "9", "/", "4", "5", "6", "*", "1", "2", "3", "-",
                                       "0", ".", "=", "+", "C", "<", "OK"};
    int index = 0;
    for (const char* key : keys) {
      const QString name = QString::fromLatin1(key);
      auto* button = new skinButton(name, this);
      button->setObjectName(QStringLiteral("key_") + name);
      button->setFocusPolicy(Qt::NoFocus);
      button->setMinimumSize(28, 24);
      colourKey(button, look);
      connect(button, &QAbstractButton::clicked, this, [this, name] { press(name); });
      const int span = name == QLatin1String("OK") ? 2 : 1;
      grid->addWidget(button, 1 + index / 4, index % 4, 1, span);
      ++index;
    }
    bool ok = false;
    const double start = parseNumber(box->text(), &ok);
    setDisplay(ok ? start : 0.0);
    entering_ = false;
  }

  void press(const QString& key) {
    if (key == QLatin1String("OK")) return finish();
    if (key == QLatin1String("C")) return clear();
    if (key == QLatin1String("<")) return backspace();
    if (key == QLatin1String("=")) return equals();
    if (key.size() == 1 && QStringLiteral("+-*/").contains(key)) return operate(key.at(0));
    type(key);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter: return finish();
      case Qt::Key_Escape:
        close();
        return;
      case Qt::Key_Backspace: return backspace();
      case Qt::Key_Delete: return clear();
      default: break;
    }
    const QString typed = event->text();
    if (typed == QLatin1String(",")) return press(QStringLiteral("."));
    if (typed.size() == 1 && QStringLiteral("0123456789.+-*/=").contains(typed)) return press(typed);
    QFrame::keyPressEvent(event);
  }

 private:
  static void colourKey(skinButton* key, const QPalette& look) {
    // Keys in the box's own colours: border colour as face, text colour on it.
    const auto ref = [](const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); };
    key->setBackColor(ref(look.color(QPalette::Highlight).lighter(160)));
    key->setForeColor(ref(look.color(QPalette::Text)));
    key->setBackColorFocused(ref(look.color(QPalette::Highlight)));
    key->setForeColorFocused(ref(look.color(QPalette::Base)));
  }

  double shown() const {
    bool ok = false;
    const double value = parseNumber(display_->text(), &ok);
    return ok ? value : 0.0;
  }
  void setDisplay(double value) { display_->setText(QLocale::c().toString(value, 'g', 15)); }

  void type(const QString& key) {
    QString text = entering_ ? display_->text() : QString();
    if (key == QLatin1String(".") && text.contains(QLatin1Char('.'))) return;
    if (text == QLatin1String("0") && key != QLatin1String(".")) text.clear();
    display_->setText(text + key);
    entering_ = true;
  }
  void operate(QChar op) {
    if (entering_ || pending_.isNull()) equals();
    pending_ = op;
    accumulator_ = shown();
    entering_ = false;
  }
  void equals() {
    const double operand = shown();
    double result = operand;
    if (pending_ == QLatin1Char('+')) result = accumulator_ + operand;
    if (pending_ == QLatin1Char('-')) result = accumulator_ - operand;
    if (pending_ == QLatin1Char('*')) result = accumulator_ * operand;
    if (pending_ == QLatin1Char('/')) result = operand == 0.0 ? 0.0 : accumulator_ / operand;
    pending_ = QChar();
    accumulator_ = result;
    setDisplay(result);
    entering_ = false;
  }
  void clear() {
    pending_ = QChar();
    accumulator_ = 0.0;
    setDisplay(0.0);
    entering_ = false;
  }
  void backspace() {
    if (!entering_) return;
    QString text = display_->text();
    text.chop(1);
    display_->setText(text.isEmpty() ? QStringLiteral("0") : text);
  }
  void finish() {
    if (!pending_.isNull()) equals();
    box_->setValue(shown());
    close();
  }

  skinNumber* box_;
  QLineEdit* display_ = nullptr;
  double accumulator_ = 0.0;
  QChar pending_;
  bool entering_ = false;
};

}  // namespace

skinNumber::skinNumber(QWidget* parent) : EditWithButton(parent) {
  lineEdit()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Digits with one decimal point or comma, and a leading sign.
  lineEdit()->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*([.,][0-9]*)?")), lineEdit()));
  connect(lineEdit(), &QLineEdit::editingFinished, this, &skinNumber::tidyText);
  connect(lineEdit(), &QLineEdit::textChanged, this, [this] { emit valueChanged(value()); });
}

double skinNumber::value() const {
  bool ok = false;
  const double number = parseNumber(text(), &ok);
  return ok ? number : 0.0;
}

void skinNumber::setValue(double number) {
  setText(QLocale::c().toString(number, 'f', decimals_));
}

void skinNumber::setDecimals(int decimals) {
  decimals_ = qBound(0, decimals, 10);
  tidyText();
}

void skinNumber::tidyText() {
  bool ok = false;
  const double number = parseNumber(text(), &ok);
  if (!ok) return;  // an empty box stays empty
  const QString tidy = QLocale::c().toString(number, 'f', decimals_);
  if (tidy != text()) setText(tidy);
}

void skinNumber::showCalculator() {
  auto* calculator = new Calculator(this, lookPalette());
  calculator->adjustSize();
  calculator->move(mapToGlobal(QPoint(qMax(0, width() - calculator->width()), height())));
  calculator->show();
}

void skinNumber::paintButtonGlyph(QPainter& painter, const QRect& area, const QColor& colour) const {
  // A small calculator: an outline, its display bar and four keys.
  const QRect body(area.left() + (area.width() - 9) / 2, area.top() + (area.height() - 11) / 2, 9, 11);
  controls_detail::drawBorder(painter, body, colour);
  painter.fillRect(QRect(body.left() + 2, body.top() + 2, 5, 2), colour);
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 2; ++column)
      painter.fillRect(QRect(body.left() + 2 + 3 * column, body.top() + 5 + 3 * row, 2, 2), colour);
}

}  // namespace palvex::qt
