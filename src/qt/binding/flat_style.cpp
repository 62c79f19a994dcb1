#include "qt/binding/flat_style.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCommonStyle>
#include <QComboBox>
#include <QPainter>
#include <QPolygon>
#include <QStyleOption>
#include <QTabBar>
#include <QToolBar>

#include "qt/binding/paint_state.h"
#include "qt/binding/registry.h"
#include "qt/controls/control_support.h"

namespace palvex::qt::detail {
namespace {

using controls_detail::readableInk;

// The colours the engine gave `widget`, or those of the composite it is an
// inner part of; null when it has none.
const PaintState* stateOf(const QWidget* widget) {
  if (!widget) return nullptr;
  Registry* registry = Registry::existing();
  if (!registry) return nullptr;
  const WidgetObject* owner = registry->owner(widget);
  if (!owner || !owner->look().themed) return nullptr;
  return &owner->paint();
}

const PaintState* stateOf(const QWidget* widget, Paint kind) {
  const PaintState* state = stateOf(widget);
  return state && state->paint == kind ? state : nullptr;
}

// An even mix of two colours, for the few lines the theme has no colour for.
QColor mix(const QColor& a, const QColor& b) {
  return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

// A border `width` pixels wide along the inside of `rect`, without antialiasing.
void frame(QPainter* p, const QRect& rect, const QColor& colour, int width = 1) {
  if (rect.isEmpty()) return;
  width = std::max(1, std::min(width, std::min(rect.width(), rect.height()) / 2 + 1));
  p->fillRect(QRect(rect.left(), rect.top(), rect.width(), width), colour);
  p->fillRect(QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width), colour);
  p->fillRect(QRect(rect.left(), rect.top(), width, rect.height()), colour);
  p->fillRect(QRect(rect.right() - width + 1, rect.top(), width, rect.height()), colour);
}

// A solid triangle pointing `way`, centred in `area`, drawn as runs of
// pixels so that its colour stays exact.
void arrow(QPainter* p, const QRect& area, const QColor& colour, Qt::ArrowType way) {
  const int w = std::max(3, std::min(area.width(), area.height()) / 2) | 1;
  const int h = w / 2 + 1;
  const QPoint c = area.center();
  const bool across = way == Qt::LeftArrow || way == Qt::RightArrow;
  const bool toEnd = way == Qt::DownArrow || way == Qt::RightArrow;
  const int start = (across ? c.x() : c.y()) - h / 2;
  for (int step = 0; step < h; ++step) {
    const int half = toEnd ? (w / 2 - step) : step;
    if (across)
      p->fillRect(QRect(start + step, c.y() - half, 1, 2 * half + 1), colour);
    else
      p->fillRect(QRect(c.x() - half, start + step, 2 * half + 1, 1), colour);
  }
}

// The field of a text control: flat fill, one-pixel border.
void textField(QPainter* p, const QRect& rect, const QPalette& palette, const PaintState& state) {
  p->fillRect(rect, palette.brush(QPalette::Base));
  const QColor border = state.forFocus(Slot::borderColor, Slot::borderColorFocused)
                            .value_or(palette.color(QPalette::Text));
  frame(p, rect, border);
}

bool innerLineEdit(const QWidget* widget) {
  const QWidget* parent = widget ? widget->parentWidget() : nullptr;
  return qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent);
}

// The box is left unfilled, like the suite's own check boxes: the theme picks
// the check colour against the background the box sits on, and a white field
// under it would hide a light mark (yellow on white) and glare in dark themes.
void checkBox(QPainter* p, const QStyleOption* option, const PaintState& state) {
  const QRect box = option->rect;
  frame(p, box, option->palette.color(QPalette::WindowText));
  const QColor mark = state.colour(Slot::CheckColor).value_or(option->palette.color(QPalette::Text));
  const QRect inside = box.adjusted(3, 3, -3, -3);
  if (option->state & QStyle::State_NoChange) {
    p->fillRect(inside.adjusted(0, inside.height() / 3, 0, -inside.height() / 3), mark);
  } else if (option->state & QStyle::State_On) {
    // A tick two pixels thick, drawn as runs of pixels so its colour stays exact.
    const int w = inside.width();
    const int h = inside.height();
    const int knee = w / 3;
    for (int x = 0; x <= w; ++x) {
      const int y = x <= knee ? h / 2 + x * (h / 2) / std::max(1, knee) - 1
                              : h - 1 - (x - knee) * (h - 1) / std::max(1, w - knee);
      p->fillRect(QRect(inside.left() + x, inside.top() + y, 1, 3), mark);
    }
  }
}

// The common style paints a scroll bar as nothing at all. Here: a flat
// groove in the scroll-bar colour (the Button role, where the system colours
// put it), a handle halfway to the arrows' ink, and an arrow at each end.
void scrollBar(QPainter* p, const QStyleOptionSlider& bar, const QRect& handle, const QRect& back,
               const QRect& forward) {
  const QColor groove = bar.palette.color(QPalette::Button);
  const QColor ink = bar.palette.color(QPalette::ButtonText);
  p->fillRect(bar.rect, groove);
  const bool vertical = bar.orientation == Qt::Vertical;
  // Nothing to scroll: no handle, as in the platform styles.
  if (bar.maximum > bar.minimum && !handle.isEmpty())
    p->fillRect(vertical ? handle.adjusted(2, 0, -2, 0) : handle.adjusted(0, 2, 0, -2), mix(groove, ink));
  arrow(p, back, ink, vertical ? Qt::UpArrow : Qt::LeftArrow);
  arrow(p, forward, ink, vertical ? Qt::DownArrow : Qt::RightArrow);
}

void tabShape(QPainter* p, const QStyleOptionTab* tab, const PaintState& state) {
  const bool selected = tab->state & QStyle::State_Selected;
  const bool hover = (tab->state & QStyle::State_MouseOver) && !selected;
  const QColor outer = selected ? state.colour(Slot::TabBorderColorSelected).value_or(Qt::black)
                       : hover  ? state.colour(Slot::TabBorderColorHover).value_or(Qt::black)
                                : state.colour(Slot::TabBorderColor).value_or(Qt::black);
  const QColor inner = (selected ? state.colour(Slot::TabInnerBorderSelected) : state.colour(Slot::TabInnerBorder))
                           .value_or(outer);
  const QColor fill = (selected ? state.colour(Slot::TabBackColorSelected) : state.colour(Slot::TabBackColor))
                          .value_or(tab->palette.color(QPalette::Window));
  const QRect r = tab->rect;
  p->fillRect(r, fill);
  frame(p, r, outer);
  frame(p, r.adjusted(1, 1, -1, -1), inner);
}

// The frame of a QFrame-based widget in the colour its kind takes for it.
std::optional<QColor> frameColour(const PaintState& state) {
  switch (state.paint) {
    case Paint::Text: return state.forFocus(Slot::borderColor, Slot::borderColorFocused);
    case Paint::BoxedLabel:
    case Paint::Shape: return state.colour(Slot::borderColor);
    case Paint::Grid: return state.colour(Slot::gridColorFixed);
    case Paint::Tab: return state.colour(Slot::borderColor);
    default: return std::nullopt;
  }
}

void shapedFrame(QPainter* p, const QStyleOptionFrame* f, const PaintState& state, const QColor& colour) {
  const int width = std::max(1, f->lineWidth);
  const QRect r = f->rect;
  switch (f->frameShape) {
    case QFrame::NoFrame: return;
    case QFrame::HLine:
      p->fillRect(QRect(r.left(), r.top() + (r.height() - width) / 2, r.width(), width), colour);
      return;
    case QFrame::VLine:
      p->fillRect(QRect(r.left() + (r.width() - width) / 2, r.top(), width, r.height()), colour);
      return;
    default:
      break;
  }
  frame(p, r, colour, width);
  // Between the line and a view inside it, the field's own colour.
  if (state.paint == Paint::Text && f->frameShape == QFrame::StyledPanel)
    frame(p, r.adjusted(width, width, -width, -width), f->palette.color(QPalette::Base));
}

void headerSection(QPainter* p, const QRect& r, const PaintState& state, const QPalette& palette) {
  p->fillRect(r, state.colour(Slot::backColorFixed).value_or(palette.color(QPalette::Button)));
  const QColor line = state.colour(Slot::gridColorFixed).value_or(palette.color(QPalette::Dark));
  p->fillRect(QRect(r.right(), r.top(), 1, r.height()), line);
  p->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), line);
}

void menuItem(const QStyle* style, QPainter* p, const QStyleOptionMenuItem* mi) {
  const QRect r = mi->rect;
  const bool enabled = mi->state & QStyle::State_Enabled;
  const bool selected = (mi->state & QStyle::State_Selected) && enabled;
  const QPalette& pal = mi->palette;
  p->fillRect(r, selected ? pal.brush(QPalette::Highlight) : pal.brush(QPalette::Window));
  if (mi->menuItemType == QStyleOptionMenuItem::Separator) {
    p->fillRect(QRect(r.left() + 4, r.center().y(), r.width() - 8, 1),
                mix(pal.color(QPalette::Window), pal.color(QPalette::WindowText)));
    return;
  }
  const QColor ink = selected ? pal.color(QPalette::HighlightedText)
                               : readableInk(pal.color(QPalette::ButtonText), pal.color(QPalette::Window));
  const int margin = 6;
  const int check = std::max(mi->maxIconWidth, 12);
  QRect text = r.adjusted(margin + check + 4, 0, -margin - 12, 0);
  if (mi->checkType != QStyleOptionMenuItem::NotCheckable && mi->checked)
    p->fillRect(QRect(r.left() + margin + 2, r.center().y() - 3, 7, 7), ink);
  else if (!mi->icon.isNull())
    mi->icon.paint(p, QRect(r.left() + margin, r.top(), check, r.height()));
  QString label = mi->text;
  QString shortcut;
  if (const qsizetype tab = label.indexOf(QLatin1Char('\t')); tab >= 0) {
    shortcut = label.mid(tab + 1);
    label.truncate(tab);
  }
  p->save();
  p->setPen(ink);
  p->setFont(mi->font);
  const int flags = Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
  p->drawText(text, flags | Qt::AlignLeft, label);
  if (!shortcut.isEmpty()) p->drawText(text, flags | Qt::AlignRight, shortcut);
  p->restore();
  if (mi->menuItemType == QStyleOptionMenuItem::SubMenu)
    arrow(p, QRect(r.right() - margin - 8, r.top(), 8, r.height()), ink, Qt::RightArrow);
  (void)style;
}

void menuBarItem(const QStyle* style, QPainter* p, const QStyleOptionMenuItem* mi) {
  const bool enabled = mi->state & QStyle::State_Enabled;
  const bool active = (mi->state & (QStyle::State_Selected | QStyle::State_Sunken)) && enabled;
  p->fillRect(mi->rect, active ? mi->palette.brush(QPalette::Highlight) : mi->palette.brush(QPalette::Window));
  QPalette palette = mi->palette;
  palette.setColor(QPalette::ButtonText,
                   readableInk(palette.color(QPalette::ButtonText), palette.color(QPalette::Window)));
  style->drawItemText(p, mi->rect, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, palette,
                      enabled, mi->text, active ? QPalette::HighlightedText : QPalette::ButtonText);
}

}  // namespace

FlatStyle::FlatStyle() : QProxyStyle(new QCommonStyle) {}

void FlatStyle::polish(QWidget* widget) {
  QProxyStyle::polish(widget);
  // Tabs show the hover colour, so the bar must hear the mouse move over them.
  if (qobject_cast<QTabBar*>(widget)) widget->setAttribute(Qt::WA_Hover, true);
}

void FlatStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* p,
                              const QWidget* widget) const {
  const PaintState* state = stateOf(widget);
  if (state) {
    switch (element) {
      case PE_FrameFocusRect:
      case PE_FrameDefaultButton:
        return;  // focus shows in the focused colours
      case PE_PanelButtonCommand:
      case PE_PanelButtonBevel:
        if (state->paint != Paint::Button) break;
        p->fillRect(option->rect, option->palette.brush(QPalette::Button));
        frame(p, option->rect, mix(option->palette.color(QPalette::Button), option->palette.color(QPalette::ButtonText)));
        return;
      case PE_PanelButtonTool:
        if (state->paint != Paint::Button) break;
        p->fillRect(option->rect, option->palette.brush(QPalette::Button));
        frame(p, option->rect, mix(option->palette.color(QPalette::Button), option->palette.color(QPalette::ButtonText)));
        return;
      case PE_PanelLineEdit:
        if (state->paint != Paint::Text) break;
        if (!innerLineEdit(widget)) textField(p, option->rect, option->palette, *state);
        return;
      case PE_FrameLineEdit:
        if (state->paint != Paint::Text) break;
        if (!innerLineEdit(widget))
          frame(p, option->rect, state->forFocus(Slot::borderColor, Slot::borderColorFocused)
                                     .value_or(option->palette.color(QPalette::Text)));
        return;
      case PE_IndicatorCheckBox:
        checkBox(p, option, *state);
        return;
      case PE_FrameTabWidget:
        if (state->paint != Paint::Tab) break;
        p->fillRect(option->rect, option->palette.brush(QPalette::Window));
        frame(p, option->rect, state->colour(Slot::borderColor).value_or(option->palette.color(QPalette::Dark)));
        return;
      case PE_FrameTabBarBase:
        if (state->paint != Paint::Tab) break;
        p->fillRect(QRect(option->rect.left(), option->rect.bottom(), option->rect.width(), 1),
                    state->colour(Slot::borderColor).value_or(option->palette.color(QPalette::Dark)));
        return;
      case PE_PanelItemViewRow:
        if (state->paint != Paint::Grid) break;
        if (option->state & State_Selected)
          p->fillRect(option->rect, option->palette.brush(QPalette::Highlight));
        else if (auto cell = state->colour(Slot::BackColor))
          p->fillRect(option->rect, *cell);
        return;
      case PE_PanelMenuBar:
      case PE_PanelMenu:
        if (state->paint != Paint::Menu) break;
        p->fillRect(option->rect, option->palette.brush(QPalette::Window));
        return;
      case PE_FrameMenu:
        if (state->paint != Paint::Menu) break;
        frame(p, option->rect, mix(option->palette.color(QPalette::Window), option->palette.color(QPalette::WindowText)));
        return;
      case PE_PanelToolBar:
        if (state->paint != Paint::Toolbar) break;
        p->fillRect(option->rect, option->palette.brush(QPalette::Window));
        return;
      case PE_PanelStatusBar:
        if (state->paint != Paint::StatusBar) break;
        p->fillRect(option->rect, option->palette.brush(QPalette::Window));
        return;
      default:
        break;
    }
  }
  QProxyStyle::drawPrimitive(element, option, p, widget);
}

void FlatStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* p,
                            const QWidget* widget) const {
  if (element == CE_ToolButtonLabel && widget && stateOf(widget->parentWidget(), Paint::Toolbar)) {
    if (const auto* button = qstyleoption_cast<const QStyleOptionToolButton*>(option)) {
      QStyleOptionToolButton copy(*button);
      const QColor bar = widget->parentWidget()->palette().color(QPalette::Window);
      copy.palette.setColor(QPalette::ButtonText, readableInk(copy.palette.color(QPalette::ButtonText), bar));
      QProxyStyle::drawControl(element, &copy, p, widget);
      return;
    }
  }
  const PaintState* state = stateOf(widget);
  if (state) {
    switch (element) {
      case CE_ShapedFrame:
        if (const auto* f = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
          if (std::optional<QColor> colour = frameColour(*state)) {
            shapedFrame(p, f, *state, *colour);
            return;
          }
        }
        break;
      case CE_TabBarTabShape:
        if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option); tab && state->paint == Paint::Tab) {
          tabShape(p, tab, *state);
          return;
        }
        break;
      case CE_TabBarTabLabel:
        if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option); tab && state->paint == Paint::Tab) {
          // The theme colours the tabs but not their captions: keep them legible on it.
          const bool selected = tab->state & QStyle::State_Selected;
          const QColor fill = (selected ? state->colour(Slot::TabBackColorSelected) : state->colour(Slot::TabBackColor))
                                  .value_or(tab->palette.color(QPalette::Window));
          QStyleOptionTab copy(*tab);
          const QColor ink = readableInk(copy.palette.color(QPalette::WindowText), fill);
          copy.palette.setColor(QPalette::WindowText, ink);
          copy.palette.setColor(QPalette::ButtonText, ink);
          copy.palette.setColor(QPalette::Disabled, QPalette::WindowText, ink);
          QProxyStyle::drawControl(element, &copy, p, widget);
          return;
        }
        break;
      case CE_HeaderSection:
        if (state->paint != Paint::Grid) break;
        headerSection(p, option->rect, *state, option->palette);
        return;
      case CE_HeaderLabel:
        if (const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
            header && state->paint == Paint::Grid) {
          QStyleOptionHeader copy(*header);
          if (auto ink = state->colour(Slot::foreColorFixed)) {
            copy.palette.setColor(QPalette::ButtonText, *ink);
            copy.palette.setColor(QPalette::WindowText, *ink);
          }
          QProxyStyle::drawControl(element, &copy, p, widget);
          return;
        }
        break;
      case CE_HeaderEmptyArea:
        if (state->paint != Paint::Grid) break;
        p->fillRect(option->rect, state->colour(Slot::backColorBkg).value_or(option->palette.color(QPalette::Base)));
        return;
      case CE_MenuBarEmptyArea:
      case CE_MenuEmptyArea:
        if (state->paint != Paint::Menu) break;
        p->fillRect(option->rect, option->palette.brush(QPalette::Window));
        return;
      case CE_MenuBarItem:
        if (const auto* mi = qstyleoption_cast<const QStyleOptionMenuItem*>(option); mi && state->paint == Paint::Menu) {
          menuBarItem(this, p, mi);
          return;
        }
        break;
      case CE_MenuItem:
        if (const auto* mi = qstyleoption_cast<const QStyleOptionMenuItem*>(option); mi && state->paint == Paint::Menu) {
          menuItem(this, p, mi);
          return;
        }
        break;
      case CE_ToolBar:
        if (state->paint != Paint::Toolbar) break;
        p->fillRect(option->rect, option->palette.brush(QPalette::Window));
        return;
      default:
        break;
    }
  }
  QProxyStyle::drawControl(element, option, p, widget);
}

void FlatStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* p,
                                   const QWidget* widget) const {
  if (control == CC_ScrollBar) {
    if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
      scrollBar(p, *bar, subControlRect(control, option, SC_ScrollBarSlider, widget),
                subControlRect(control, option, SC_ScrollBarSubLine, widget),
                subControlRect(control, option, SC_ScrollBarAddLine, widget));
      return;
    }
  }
  if (control == CC_GroupBox && stateOf(widget)) {
    if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
      QStyleOptionGroupBox copy(*box);
      const QColor back = copy.palette.color(QPalette::Window);
      copy.textColor = readableInk(copy.textColor.isValid() ? copy.textColor : copy.palette.color(QPalette::WindowText), back);
      copy.palette.setColor(QPalette::WindowText, copy.textColor);
      QProxyStyle::drawComplexControl(control, &copy, p, widget);
      return;
    }
  }
  if (const PaintState* state = stateOf(widget, Paint::Text)) {
    if (control == CC_ComboBox) {
      textField(p, option->rect, option->palette, *state);
      const QRect button = subControlRect(control, option, SC_ComboBoxArrow, widget);
      arrow(p, button, option->palette.color(QPalette::Text), Qt::DownArrow);
      return;
    }
    if (control == CC_SpinBox) {
      textField(p, option->rect, option->palette, *state);
      const auto* spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option);
      if (spin && spin->buttonSymbols != QAbstractSpinBox::NoButtons) {
        const QColor ink = option->palette.color(QPalette::Text);
        arrow(p, subControlRect(control, option, SC_SpinBoxUp, widget), ink, Qt::UpArrow);
        arrow(p, subControlRect(control, option, SC_SpinBoxDown, widget), ink, Qt::DownArrow);
      }
      return;
    }
  }
  if (control == CC_ComboBox) {
    // The common style draws no combo box at all; an unthemed one (a
    // host's own, or one the theme leaves alone) gets a field in its palette.
    p->fillRect(option->rect, option->palette.brush(QPalette::Base));
    frame(p, option->rect, option->palette.color(QPalette::Mid));
    arrow(p, subControlRect(control, option, SC_ComboBoxArrow, widget), option->palette.color(QPalette::Text), Qt::DownArrow);
    return;
  }
  QProxyStyle::drawComplexControl(control, option, p, widget);
}

int FlatStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
  switch (hint) {
    case SH_Table_GridLineColor:
      if (const PaintState* state = stateOf(widget, Paint::Grid))
        if (auto grid = state->colour(Slot::gridColor)) return static_cast<int>(grid->rgba());
      break;
    case SH_EtchDisabledText:
    case SH_DitherDisabledText:
      return 0;  // disabled text shows in its disabled colour, nothing else
    default:
      break;
  }
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QSize FlatStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                  const QWidget* widget) const {
  QSize s = QProxyStyle::sizeFromContents(type, option, size, widget);
  // The common style leaves menu bar captions no room of their own: they
  // would run into each other ("ArchivoEdición").
  if (type == CT_MenuBarItem && !s.isEmpty()) return s + QSize(16, 6);
  if (type == CT_MenuItem) {
    if (const auto* mi = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        mi && mi->menuItemType != QStyleOptionMenuItem::Separator) {
      s.rwidth() += 40;
      s.setHeight(std::max(s.height(), mi->fontMetrics.height() + 6));
    }
  }
  return s;
}

}  // namespace palvex::qt::detail
