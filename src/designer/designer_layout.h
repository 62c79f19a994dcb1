#pragma once
// The designer window's widgets: the toolbar and status-bar samples, the
// preview panel with one or more sample controls of every kind the engine
// colours, and the property grid, each named and placed as the designer's
// layout table says, at 96 dpi scaled to the screen's logical dpi.
//
// Kept apart from the window's behaviour so that a benchmark can build the
// same widgets into a plain window that no theme touches.

#include <QString>

class QMainWindow;
class QTableWidget;
class QWidget;

namespace palvex::designer::detail {

// Client area at 96 dpi: the toolbar, the preview and the grid, the status bar.
inline constexpr int kClientWidth = 751;
inline constexpr int kClientHeight = 494;
inline constexpr int kToolbarHeight = 42;
inline constexpr int kStatusBarHeight = 21;

// The grid sample's size: one fixed row (the header) and eight body rows, no fixed column.
inline constexpr int kSampleGridRows = 9;
inline constexpr int kSampleGridColumns = 8;

// The texts of the layout that other parts of the window need.
inline constexpr const char* kStatusPanelText = "Barra de status";
inline constexpr const char* kPropertyNameHeader = "Nombre de propiedad";
inline constexpr const char* kPropertyValueHeader = "Valor";

// Creates every widget of the designer in `window` (toolbar, central area,
// preview, property grid, status bar), named and placed, and fixes the
// window's size. Menus and behaviour are the window's own.
void buildLayout(QMainWindow& window);

// The sample grid's cells as the grid control numbers them: row 0 is the
// fixed row (the table's header), rows 1 to 8 are body rows.
void setSampleGridText(QTableWidget& grid, int row, int column, const QString& text);
QString sampleGridText(const QTableWidget& grid, int row, int column);

// The scale from 96 dpi layout pixels to the screen's logical pixels.
double layoutScale(const QWidget& widget);

}  // namespace palvex::designer::detail
