#pragma once
// The fixed style of themed widgets: a QCommonStyle underneath (no gradients,
// no lightened headers or menus), with hooks that fill every themed area flat
// in its exact colour and draw the borders, tabs, grid lines and check marks
// no palette role carries, from the colours the engine gave the widget.

#include <QProxyStyle>

namespace palvex::qt::detail {

class FlatStyle final : public QProxyStyle {
  Q_OBJECT

 public:
  FlatStyle();

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  void polish(QWidget* widget) override;
  using QProxyStyle::polish;
};

}  // namespace palvex::qt::detail
