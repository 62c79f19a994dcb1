#pragma once
// Pictures of windows without a screen: a window laid out at a given size and
// painted into an image, and a contact sheet of several such pictures.

#include <utility>
#include <vector>

#include <QImage>
#include <QSize>
#include <QString>

class QWidget;

namespace palvex::demo {

// Lays `window` out at `size` without putting it on any screen and paints it.
QImage renderWindow(QWidget* window, QSize size);

// The pictures side by side, each under its name, in rows of at most two.
QImage contactSheet(const std::vector<std::pair<QString, QImage>>& shots);

// "demo-alto-contraste.png" for "Alto contraste": lower case, anything but
// letters and digits turned into single hyphens.
QString pictureName(const QString& theme);

}  // namespace palvex::demo
