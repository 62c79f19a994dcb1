#include "demo_render.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace palvex::demo {
namespace {

constexpr int kTileWidth = 560;
constexpr int kCaptionHeight = 34;
constexpr int kMargin = 18;
const QColor kSheetBackground(0xEC, 0xEC, 0xEC);
const QColor kCaptionColour(0x20, 0x20, 0x20);

}  // namespace

QImage renderWindow(QWidget* window, QSize size) {
  // Shown as far as Qt is concerned (so that layouts, polish and focus run
  // as for a real window) but never mapped on a screen.
  window->setAttribute(Qt::WA_DontShowOnScreen);
  window->resize(size);
  window->show();
  QApplication::processEvents();
  window->resize(size);  // a window may grow to its minimum size on show; ask again
  QApplication::processEvents();
  return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage contactSheet(const std::vector<std::pair<QString, QImage>>& shots) {
  if (shots.empty()) return {};
  const int columns = std::min<int>(2, static_cast<int>(shots.size()));
  const int rows = (static_cast<int>(shots.size()) + columns - 1) / columns;
  int tileHeight = 0;
  for (const auto& [name, image] : shots)
    tileHeight = std::max(tileHeight, image.height() * kTileWidth / std::max(1, image.width()));
  const int cellHeight = kCaptionHeight + tileHeight;

  QImage sheet(kMargin + columns * (kTileWidth + kMargin), kMargin + rows * (cellHeight + kMargin),
               QImage::Format_RGB32);
  sheet.fill(kSheetBackground);
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  QFont font = QApplication::font();
  font.setPixelSize(17);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(kCaptionColour);
  for (std::size_t i = 0; i < shots.size(); ++i) {
    const int x = kMargin + static_cast<int>(i) % columns * (kTileWidth + kMargin);
    const int y = kMargin + static_cast<int>(i) / columns * (cellHeight + kMargin);
    painter.drawText(QRect(x, y, kTileWidth, kCaptionHeight), Qt::AlignLeft | Qt::AlignVCenter, shots[i].first);
    const QImage tile = shots[i].second.scaledToWidth(kTileWidth, Qt::SmoothTransformation);
    painter.drawImage(QPoint(x, y + kCaptionHeight), tile);
  }
  return sheet;
}

QString pictureName(const QString& theme) {
  QString slug;
  for (const QChar c : theme.toLower()) {
    if (c.isLetterOrNumber())
      slug += c;
    else if (!slug.isEmpty() && !slug.endsWith('-'))
      slug += '-';
  }
  while (slug.endsWith('-')) slug.chop(1);
  return "demo-" + (slug.isEmpty() ? QString("tema") : slug) + ".png";
}

}  // namespace palvex::demo
