#pragma once
// The suite's own controls as Qt 6 widgets.
//
// Every control takes the colour properties that the theme elements write to
// it, as int Q_PROPERTYs spelled exactly as the elements write them
// ("BackColor", "backColorFocused", "TabInnerBorder", ...). A colour is
// 0x00BBGGRR (red in the low byte) or a system colour 0x800000NN; system
// colours are resolved when the control paints, so a desktop palette change
// shows at the next repaint. Each control paints its areas with exactly these
// colours: flat fills, 1-pixel borders, no style sheets.
//
// States: the focused colours apply while the control has keyboard focus, the
// disabled colours while it is disabled (controls without disabled colours
// keep their normal ones). Defaults are the elements' own defaults, so an
// unthemed control already looks like the suite.
//
// Every control has a `Tag` property (the host puts THEMEOVERRIDE there to
// keep a control out of theming). The ones the engine reaches by their kind
// declare a constant `ControlClass`: the six text controls "TEXT", skinTabs
// "TAB", skinButton "BUTTON", skinCheck "CHECK". boxedLabel, plainCheck,
// slideButton and Shape are reached by their class name; roundButton themes
// itself through aplicarTema.
//
// The editable controls derive from the stock widget whose editing they
// reuse (skinText and skinCodeBox from QLineEdit, skinCombo from QComboBox,
// skinList from QListWidget); skinNumber and skinDate hold an inner line
// edit. Their inner widgets (line edits, popups, buttons) are internals: a
// walk over a form's controls treats every suite control as one leaf, except
// the pages given to skinTabs::addTab, which hold host widgets.

#include <array>
#include <cstddef>

#include <QAbstractButton>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaType>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <QWidget>

#include "palvex/object.h"
#include "palvex/qt/export.h"
#include "palvex/variant.h"

Q_DECLARE_METATYPE(palvex::ObjectRef)

class QHBoxLayout;

namespace palvex::qt {

namespace controls_detail {

// The colour to paint for a stored value: system colours resolved now; a
// value that names nothing paints as `fallback` (the property's default).
QColor paintColour(int value, int fallback);

// The colour values of one control with their defaults.
template <std::size_t N>
class ColourSlots {
 public:
  explicit ColourSlots(const std::array<int, N>& defaults) : defaults_(defaults), values_(defaults) {}
  int get(std::size_t i) const { return values_[i]; }
  // True when the value changed (the caller then repaints).
  bool set(std::size_t i, int value) {
    if (values_[i] == value) return false;
    values_[i] = value;
    return true;
  }
  QColor paint(std::size_t i) const { return paintColour(values_[i], defaults_[i]); }

 private:
  std::array<int, N> defaults_;
  std::array<int, N> values_;
};

// The six colours of a text control, in the order the text element writes them.
enum TextSlot : std::size_t {
  kTextBorder, kTextBorderFocused, kTextFore, kTextForeFocused, kTextBack, kTextBackFocused
};
using TextColours = ColourSlots<6>;
TextColours defaultTextColours();

}  // namespace controls_detail

// The six colour properties of the text-kind controls, spelled as the text
// element writes them. Each such control holds `colours_` (TextColours) and
// defines the setters in one line (PALVEX_TEXT_CONTROL_ACCESSORS); the
// properties leave it in the public section.
#define PALVEX_QT_TEXT_COLOURS                                                                  \
  Q_PROPERTY(int borderColor READ borderColor WRITE setBorderColor)                             \
  Q_PROPERTY(int borderColorFocused READ borderColorFocused WRITE setBorderColorFocused)        \
  Q_PROPERTY(int foreColor READ foreColor WRITE setForeColor)                                   \
  Q_PROPERTY(int foreColorFocused READ foreColorFocused WRITE setForeColorFocused)              \
  Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)                                   \
  Q_PROPERTY(int backColorFocused READ backColorFocused WRITE setBackColorFocused)              \
                                                                                                \
 public:                                                                                        \
  int borderColor() const { return colours_.get(controls_detail::kTextBorder); }                \
  void setBorderColor(int colour);                                                              \
  int borderColorFocused() const { return colours_.get(controls_detail::kTextBorderFocused); }  \
  void setBorderColorFocused(int colour);                                                       \
  int foreColor() const { return colours_.get(controls_detail::kTextFore); }                    \
  void setForeColor(int colour);                                                                \
  int foreColorFocused() const { return colours_.get(controls_detail::kTextForeFocused); }      \
  void setForeColorFocused(int colour);                                                         \
  int BackColor() const { return colours_.get(controls_detail::kTextBack); }                    \
  void setBackColor(int colour);                                                                \
  int backColorFocused() const { return colours_.get(controls_detail::kTextBackFocused); }      \
  void setBackColorFocused(int colour);

// ---------------------------------------------------------------- text kind

// A one-line text box.
class PALVEX_QT_EXPORT skinText : public QLineEdit {
  Q_OBJECT
  Q_PROPERTY(QString ControlClass READ ControlClass CONSTANT)
  Q_PROPERTY(QString Tag READ Tag WRITE setTag)
  PALVEX_QT_TEXT_COLOURS

 public:
  explicit skinText(QWidget* parent = nullptr);

  QString ControlClass() const;
  QString Tag() const { return tag_; }
  void setTag(const QString& tag) { tag_ = tag; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void setColour(std::size_t slot, int colour);
  void syncPalette();

  controls_detail::TextColours colours_;
  QString tag_;
};

// A code look-up box: a text box for short codes, at most maxLength
// characters (QLineEdit::setMaxLength), kept in capitals.
class PALVEX_QT_EXPORT skinCodeBox : public skinText {
  Q_OBJECT

 public:
  explicit skinCodeBox(QWidget* parent = nullptr);

  QSize sizeHint() const override;
};

// A combo box, editable by default; `Text` is the shown text.
class PALVEX_QT_EXPORT skinCombo : public QComboBox {
  Q_OBJECT
  Q_PROPERTY(QString ControlClass READ ControlClass CONSTANT)
  Q_PROPERTY(QString Tag READ Tag WRITE setTag)
  Q_PROPERTY(QString Text READ text WRITE setText)
  PALVEX_QT_TEXT_COLOURS

 public:
  explicit skinCombo(QWidget* parent = nullptr);

  QString ControlClass() const;
  QString Tag() const { return tag_; }
  void setTag(const QString& tag) { tag_ = tag; }
  QString text() const { return currentText(); }
  // Editable: the edit text. Otherwise selects the item with this text,
  // adding it when there is none.
  void setText(const QString& text);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // The drop-down arrow's area, at the right inside the border.
  QRect arrowRect() const;
  void showPopup() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void setColour(std::size_t slot, int colour);
  void syncPalette();

  controls_detail::TextColours colours_;
  QString tag_;
};

// A list of entries.
class PALVEX_QT_EXPORT skinList : public QListWidget {
  Q_OBJECT
  Q_PROPERTY(QString ControlClass READ ControlClass CONSTANT)
  Q_PROPERTY(QString Tag READ Tag WRITE setTag)
  PALVEX_QT_TEXT_COLOURS

 public:
  explicit skinList(QWidget* parent = nullptr);

  QString ControlClass() const;
  QString Tag() const { return tag_; }
  void setTag(const QString& tag) { tag_ = tag; }

  QSize sizeHint() const override;

 protected:
  bool event(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void setColour(std::size_t slot, int colour);
  void syncPalette();

  controls_detail::TextColours colours_;
  QString tag_;
};

// The common part of skinNumber and skinDate: an inner line edit inside the
// control's border, and a button at the right painted by the control.
class PALVEX_QT_EXPORT EditWithButton : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString ControlClass READ ControlClass CONSTANT)
  Q_PROPERTY(QString Tag READ Tag WRITE setTag)
  Q_PROPERTY(QString Text READ text WRITE setText)
  PALVEX_QT_TEXT_COLOURS

 public:
  QString ControlClass() const;
  QString Tag() const { return tag_; }
  void setTag(const QString& tag) { tag_ = tag; }
  QString text() const;
  void setText(const QString& text);
  QLineEdit* lineEdit() const { return edit_; }
  // The button's area (empty while the button is hidden).
  QRect buttonRect() const;

  QSize sizeHint() const override;

 protected:
  explicit EditWithButton(QWidget* parent);

  // The glyph on the button, in `colour`, centred in `area`.
  virtual void paintButtonGlyph(QPainter& painter, const QRect& area, const QColor& colour) const = 0;
  virtual void buttonPressed() = 0;
  void setButtonShown(bool shown);
  bool buttonShown() const { return buttonShown_; }
  // The palette the inner widgets (and popups) show now.
  QPalette lookPalette() const;

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void setColour(std::size_t slot, int colour);
  void syncPalette();
  void layoutEditor();

  controls_detail::TextColours colours_;
  QString tag_;
  QLineEdit* edit_;
  bool buttonShown_ = true;
};

// A number box: a right-aligned number editor with a calculator button.
class PALVEX_QT_EXPORT skinNumber : public EditWithButton {
  Q_OBJECT
  Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged)
  Q_PROPERTY(int decimals READ decimals WRITE setDecimals)
  Q_PROPERTY(bool calculatorButton READ calculatorButton WRITE setCalculatorButton)

 public:
  explicit skinNumber(QWidget* parent = nullptr);

  // The number shown; 0 when the box is empty or holds no number.
  double value() const;
  void setValue(double value);
  int decimals() const { return decimals_; }
  void setDecimals(int decimals);
  bool calculatorButton() const { return buttonShown(); }
  void setCalculatorButton(bool shown) { setButtonShown(shown); }
  // Opens the calculator under the box; its result lands in the box.
  void showCalculator();

 signals:
  void valueChanged(double value);

 protected:
  void paintButtonGlyph(QPainter& painter, const QRect& area, const QColor& colour) const override;
  void buttonPressed() override { showCalculator(); }

 private:
  void tidyText();

  int decimals_ = 2;
};

// A date box: a date editor with a calendar drop-down; empty until a date
// is entered (date() is then null).
class PALVEX_QT_EXPORT skinDate : public EditWithButton {
  Q_OBJECT
  Q_PROPERTY(QDate date READ date WRITE setDate NOTIFY dateChanged)
  Q_PROPERTY(QString dateFormat READ dateFormat WRITE setDateFormat)

 public:
  explicit skinDate(QWidget* parent = nullptr);

  // The date shown; null when the box is empty or its text is no date.
  QDate date() const;
  // A null date empties the box.
  void setDate(const QDate& date);
  QString dateFormat() const { return format_; }
  void setDateFormat(const QString& format);
  // Opens the calendar under the box.
  void showCalendar();

 signals:
  void dateChanged(const QDate& date);

 protected:
  void paintButtonGlyph(QPainter& painter, const QRect& area, const QColor& colour) const override;
  void buttonPressed() override { showCalendar(); }

 private:
  void noteDate();

  QString format_;
  QDate lastDate_;
};

// ---------------------------------------------------------------- buttons

// A push button: flat fill and caption, each in the normal, focused (or
// checked) and disabled colour.
class PALVEX_QT_EXPORT skinButton : public QAbstractButton {
  Q_OBJECT
  Q_PROPERTY(QString ControlClass READ ControlClass CONSTANT)
  Q_PROPERTY(QString Tag READ Tag WRITE setTag)
  Q_PROPERTY(QString Caption READ text WRITE setText STORED false)
  Q_PROPERTY(int foreColor READ foreColor WRITE setForeColor)
  Q_PROPERTY(int foreColorFocused READ foreColorFocused WRITE setForeColorFocused)
  Q_PROPERTY(int foreColorDisabled READ foreColorDisabled WRITE setForeColorDisabled)
  Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)
  Q_PROPERTY(int backColorFocused READ backColorFocused WRITE setBackColorFocused)
  Q_PROPERTY(int backColorDisabled READ backColorDisabled WRITE setBackColorDisabled)

 public:
  explicit skinButton(QWidget* parent = nullptr);
  explicit skinButton(const QString& caption, QWidget* parent = nullptr);

  QString ControlClass() const;
  QString Tag() const { return tag_; }
  void setTag(const QString& tag) { tag_ = tag; }

  int foreColor() const { return colours_.get(kFore); }
  void setForeColor(int colour);
  int foreColorFocused() const { return colours_.get(kForeFocused); }
  void setForeColorFocused(int colour);
  int foreColorDisabled() const { return colours_.get(kForeDisabled); }
  void setForeColorDisabled(int colour);
  int BackColor() const { return colours_.get(kBack); }
  void setBackColor(int colour);
  int backColorFocused() const { return colours_.get(kBackFocused); }
  void setBackColorFocused(int colour);
  int backColorDisabled() const { return colours_.get(kBackDisabled); }
  void setBackColorDisabled(int colour);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  enum Slot : std::size_t { kFore, kForeFocused, kForeDisabled, kBack, kBackFocused, kBackDisabled };
  void setColour(std::size_t slot, int colour);

  controls_detail::ColourSlots<6> colours_;
  QString tag_;
};

// A round push button that themes itself: aplicarTema gives its face the
// theme's form colour and its caption and outline the label colour.
class PALVEX_QT_EXPORT roundButton : public QAbstractButton {
  Q_OBJECT
  Q_PROPERTY(QString Tag READ Tag WRITE setTag)
  Q_PROPERTY(QString Caption READ text WRITE setText STORED false)
  Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)
  Q_PROPERTY(int foreColor READ foreColor WRITE setForeColor)

 public:
  explicit roundButton(QWidget* parent = nullptr);
  explicit roundButton(const QString& caption, QWidget* parent = nullptr);

  QString Tag() const { return tag_; }
  void setTag(const QString& tag) { tag_ = tag; }

  int BackColor() const { return colours_.get(kBack); }
  void setBackColor(int colour);
  int foreColor() const { return colours_.get(kFore); }
  void setForeColor(int colour);

  // `tema` holds a palvex::ObjectRef to the theme object; its BackColor and
  // LabelColor are read by name. Anything else leaves the colours as they are.
  Q_INVOKABLE void aplicarTema(QVariant tema);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;

 private:
  enum Slot : std::size_t { kBack, kFore };
  void setColour(std::size_t slot, int colour);

  controls_detail::ColourSlots<2> colours_;
  QString tag_;
};

// A row of skinButtons of which one is the current (shown in the focused
// colours). The engine themes each button, reached through pickButton.
class PALVEX_QT_EXPORT slideButton : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Tag READ Tag WRITE setTag)
  Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentChanged)
  Q_PROPERTY(QStringList captions READ captions WRITE setCaptions)

 public:
  explicit slideButton(QWidget* parent = nullptr);

  QString Tag() const { return tag_; }
  void setTag(const QString& tag) { tag_ = tag; }

  // Appends a button; the first one added becomes the current.
  skinButton* addButton(const QString& caption);
  // Replaces all buttons by one per caption.
  void setCaptions(const QStringList& captions);
  QStringList captions() const;
  int count() const { return static_cast<int>(buttons_.size()); }
  skinButton* button(int index) const;
  // The button at `index`, nullptr past the last (or before the first).
  Q_INVOKABLE QObject* pickButton(int index);

  int currentIndex() const { return current_; }
  void setCurrentIndex(int index);

  QSize sizeHint() const override;

 signals:
  void currentChanged(int index);
  void buttonClicked(int index);

 private:
  QString tag_;
  QHBoxLayout* row_;
  QVector<skinButton*> buttons_;
  int current_ = -1;
};

// ---------------------------------------------------------------- checks

// A check box of the suite: caption in foreColor, box and mark in CheckColor.
class PALVEX_QT_EXPORT skinCheck : public QAbstractButton {
  Q_OBJECT
  Q_PROPERTY(QString ControlClass READ ControlClass CONSTANT)
  Q_PROPERTY(QString Tag READ Tag WRITE setTag)
  Q_PROPERTY(QString Caption READ text WRITE setText STORED false)
  Q_PROPERTY(int foreColor READ foreColor WRITE setForeColor)
  Q_PROPERTY(int CheckColor READ CheckColor WRITE setCheckColor)

 public:
  explicit skinCheck(QWidget* parent = nullptr);
  explicit skinCheck(const QString& caption, QWidget* parent = nullptr);

  QString ControlClass() const;
  QString Tag() const { return tag_; }
  void setTag(const QString& tag) { tag_ = tag; }

  int foreColor() const { return colours_.get(kFore); }
  void setForeColor(int colour);
  int CheckColor() const { return colours_.get(kCheck); }
  void setCheckColor(int colour);

  // The square that shows the state.
  QRect boxRect() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;

 private:
  enum Slot : std::size_t { kFore, kCheck };
  void setColour(std::size_t slot, int colour);

  controls_detail::ColourSlots<2> colours_;
  QString tag_;
};

// A plain check box: caption, box and mark in one colour per state.
class PALVEX_QT_EXPORT plainCheck : public QAbstractButton {
  Q_OBJECT
  Q_PROPERTY(QString Tag READ Tag WRITE setTag)
  Q_PROPERTY(QString Caption READ text WRITE setText STORED false)
  Q_PROPERTY(int foreColor READ foreColor WRITE setForeColor)
  Q_PROPERTY(int foreColorFocused READ foreColorFocused WRITE setForeColorFocused)
  Q_PROPERTY(int foreColorDisabled READ foreColorDisabled WRITE setForeColorDisabled)

 public:
  explicit plainCheck(QWidget* parent = nullptr);
  explicit plainCheck(const QString& caption, QWidget* parent = nullptr);

  QString Tag() const { return tag_; }
  void setTag(const QString& tag) { tag_ = tag; }

  int foreColor() const { return colours_.get(kFore); }
  void setForeColor(int colour);
  int foreColorFocused() const { return colours_.get(kForeFocused); }
  void setForeColorFocused(int colour);
  int foreColorDisabled() const { return colours_.get(kForeDisabled); }
  void setForeColorDisabled(int colour);

  QRect boxRect() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;

 private:
  enum Slot : std::size_t { kFore, kForeFocused, kForeDisabled };
  void setColour(std::size_t slot, int colour);

  controls_detail::ColourSlots<3> colours_;
  QString tag_;
};

// ---------------------------------------------------------------- others

// A tab strip over a page area. Tabs may carry a page widget (shown while
// its tab is current); without pages the control is a plain strip.
class PALVEX_QT_EXPORT skinTabs : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString ControlClass READ ControlClass CONSTANT)
  Q_PROPERTY(QString Tag READ Tag WRITE setTag)
  Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentChanged)
  Q_PROPERTY(QStringList tabs READ tabs WRITE setTabs)
  Q_PROPERTY(int TabBackColor READ TabBackColor WRITE setTabBackColor)
  Q_PROPERTY(int TabBackColorSelected READ TabBackColorSelected WRITE setTabBackColorSelected)
  Q_PROPERTY(int TabBorderColorHover READ TabBorderColorHover WRITE setTabBorderColorHover)
  Q_PROPERTY(int TabInnerBorder READ TabInnerBorder WRITE setTabInnerBorder)
  Q_PROPERTY(int TabInnerBorderSelected READ TabInnerBorderSelected WRITE setTabInnerBorderSelected)
  Q_PROPERTY(int TabBorderColor READ TabBorderColor WRITE setTabBorderColor)
  Q_PROPERTY(int TabBorderColorSelected READ TabBorderColorSelected WRITE setTabBorderColorSelected)
  Q_PROPERTY(int borderColor READ borderColor WRITE setBorderColor)
  Q_PROPERTY(int foreColor READ foreColor WRITE setForeColor)

 public:
  explicit skinTabs(QWidget* parent = nullptr);

  QString ControlClass() const;
  QString Tag() const { return tag_; }
  void setTag(const QString& tag) { tag_ = tag; }

  // Appends a tab; `page` (may be null) becomes a child shown in the page
  // area while the tab is current. Returns the tab's index.
  int addTab(const QString& caption, QWidget* page = nullptr);
  void setTabs(const QStringList& captions);
  QStringList tabs() const;
  int count() const { return static_cast<int>(tabs_.size()); }
  QString tabText(int index) const;
  QWidget* page(int index) const;
  // The tab's area, in widget coordinates (empty for no such tab).
  QRect tabRect(int index) const;
  // Where pages go: inside the page border, below the tabs.
  QRect pageRect() const;
  // The tab under the mouse, -1 for none.
  int hoveredTab() const { return hovered_; }

  int currentIndex() const { return current_; }
  void setCurrentIndex(int index);

  int TabBackColor() const { return colours_.get(kBack); }
  void setTabBackColor(int colour);
  int TabBackColorSelected() const { return colours_.get(kBackSelected); }
  void setTabBackColorSelected(int colour);
  int TabBorderColorHover() const { return colours_.get(kBorderHover); }
  void setTabBorderColorHover(int colour);
  int TabInnerBorder() const { return colours_.get(kInner); }
  void setTabInnerBorder(int colour);
  int TabInnerBorderSelected() const { return colours_.get(kInnerSelected); }
  void setTabInnerBorderSelected(int colour);
  int TabBorderColor() const { return colours_.get(kBorder); }
  void setTabBorderColor(int colour);
  int TabBorderColorSelected() const { return colours_.get(kBorderSelected); }
  void setTabBorderColorSelected(int colour);
  int borderColor() const { return colours_.get(kPageBorder); }
  void setBorderColor(int colour);
  // The captions' colour. The theme gives tab captions no colour: until a
  // host sets one, they take the default where it reads on the tab and
  // black or white where it would not (on a dark theme's tabs).
  int foreColor() const { return colours_.get(kFore); }
  void setForeColor(int colour);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void currentChanged(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  enum Slot : std::size_t {
    kBack, kBackSelected, kBorderHover, kInner, kInnerSelected, kBorder, kBorderSelected, kPageBorder, kFore
  };
  struct Tab {
    QString caption;
    QWidget* page;
  };
  void setColour(std::size_t slot, int colour);
  int tabAt(const QPoint& pos) const;
  int tabHeight() const;
  void setHovered(int index);
  void showCurrentPage();

  QColor captionInk(std::size_t fill) const;

  controls_detail::ColourSlots<9> colours_;
  bool foreColorSet_ = false;
  QString tag_;
  QVector<Tab> tabs_;
  int current_ = -1;
  int hovered_ = -1;
};

// A label in a box: fill, 1-pixel border and caption.
class PALVEX_QT_EXPORT boxedLabel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Tag READ Tag WRITE setTag)
  Q_PROPERTY(QString text READ text WRITE setText)
  Q_PROPERTY(QString Caption READ text WRITE setText STORED false)
  Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
  Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)
  Q_PROPERTY(int borderColor READ borderColor WRITE setBorderColor)
  Q_PROPERTY(int foreColor READ foreColor WRITE setForeColor)

 public:
  explicit boxedLabel(QWidget* parent = nullptr);
  explicit boxedLabel(const QString& text, QWidget* parent = nullptr);

  QString Tag() const { return tag_; }
  void setTag(const QString& tag) { tag_ = tag; }
  QString text() const { return text_; }
  void setText(const QString& text);
  Qt::Alignment alignment() const { return alignment_; }
  void setAlignment(Qt::Alignment alignment);

  int BackColor() const { return colours_.get(kBack); }
  void setBackColor(int colour);
  int borderColor() const { return colours_.get(kBorder); }
  void setBorderColor(int colour);
  int foreColor() const { return colours_.get(kFore); }
  void setForeColor(int colour);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  enum Slot : std::size_t { kBack, kBorder, kFore };
  void setColour(std::size_t slot, int colour);

  controls_detail::ColourSlots<3> colours_;
  QString tag_;
  QString text_;
  Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
};

// An outlined figure drawn over the form: only its outline is painted, and
// mouse clicks pass through it to the controls beneath.
class PALVEX_QT_EXPORT Shape : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Tag READ Tag WRITE setTag)
  Q_PROPERTY(Kind shape READ shape WRITE setShape)
  Q_PROPERTY(int borderWidth READ borderWidth WRITE setBorderWidth)
  Q_PROPERTY(int borderColor READ borderColor WRITE setBorderColor)

 public:
  // The figures, numbered as the suite numbers them.
  enum Kind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4, RoundedSquare = 5 };
  Q_ENUM(Kind)

  explicit Shape(QWidget* parent = nullptr);

  QString Tag() const { return tag_; }
  void setTag(const QString& tag) { tag_ = tag; }
  Kind shape() const { return kind_; }
  void setShape(Kind kind);
  int borderWidth() const { return borderWidth_; }
  void setBorderWidth(int width);

  int borderColor() const { return colours_.get(0); }
  void setBorderColor(int colour);

  // The figure's bounding rectangle (squares and circles centred).
  QRect figureRect() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  controls_detail::ColourSlots<1> colours_;
  QString tag_;
  Kind kind_ = Rectangle;
  int borderWidth_ = 1;
};

// ---------------------------------------------------------------- factory

// The fourteen class names, without namespace.
PALVEX_QT_EXPORT QStringList controlClassNames();
// A new control of that class ("skinButton" or "palvex::qt::skinButton"),
// or nullptr for any other name.
PALVEX_QT_EXPORT QWidget* createControl(const QString& className, QWidget* parent = nullptr);
// True for a widget of one of the fourteen classes.
PALVEX_QT_EXPORT bool isSuiteControl(const QObject* object);

}  // namespace palvex::qt
