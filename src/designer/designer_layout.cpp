#include "designer/designer_layout.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include <QGroupBox>
#include <QHeaderView>
#include <QMainWindow>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>

#include "designer/designer_samples.h"
#include "palvex/control_types.h"

namespace palvex::designer::detail {
namespace {

// One widget of the preview, at 96 dpi relative to its parent. A width of 0
// sizes a label to its text.
struct Placement {
  const char* name;
  SampleKind kind;
  const char* parent;
  int x, y, width, height;
  const char* text;
};

// Creation order is the order the form walk themes them in and the order the
// keyboard visits them in: the text group first, each label before its box.
constexpr Placement kPreview[] = {
    {"frmText", SampleKind::Group, "Frame1", 0, 0, 265, 222, "Controles de texto"},
    {"Shape1", SampleKind::Shape, "frmText", 1, 7, 263, 215, ""},
    {"Label10", SampleKind::Label, "frmText", 10, 3, 95, 13, " Controles de Texto "},
    {"Label1", SampleKind::Label, "frmText", 12, 22, 0, 0, "Combos:"},
    {"skinCombo1", SampleKind::Combo, "frmText", 102, 21, 119, 21, "Combo"},
    {"Label2", SampleKind::Label, "frmText", 13, 47, 0, 0, "Listas:"},
    {"skinList1", SampleKind::List, "frmText", 100, 46, 120, 65, ""},
    {"Label3", SampleKind::Label, "frmText", 14, 115, 0, 0, "Codigos:"},
    {"skinCodeBox1", SampleKind::CodeBox, "frmText", 100, 114, 144, 23, ""},
    {"Label4", SampleKind::Label, "frmText", 14, 140, 0, 0, "Texto:"},
    {"skinText1", SampleKind::Text, "frmText", 100, 139, 120, 22, ""},
    {"Label5", SampleKind::Label, "frmText", 16, 165, 0, 0, "Numero:"},
    {"skinNumber1", SampleKind::Number, "frmText", 100, 164, 140, 21, ""},
    {"Label6", SampleKind::Label, "frmText", 16, 190, 0, 0, "Fecha:"},
    {"skinDate1", SampleKind::Date, "frmText", 100, 189, 143, 21, ""},
    {"skinButton1", SampleKind::Button, "Frame1", 268, 9, 102, 40, "Boton de comandos"},
    {"skinButtondis", SampleKind::Button, "Frame1", 375, 9, 102, 40, "Boton desactivado"},
    {"skinCheck1", SampleKind::Check, "Frame1", 315, 61, 135, 17, "Cuadros de verificacion"},
    {"Label8", SampleKind::Label, "Frame1", 316, 89, 44, 13, "Etiquetas"},
    {"roundButton1", SampleKind::RoundButton, "Frame1", 401, 80, 95, 31, "Botones"},
    {"Label9", SampleKind::Label, "Frame1", 275, 117, 53, 15, "Pestañas"},
    {"skinTabs1", SampleKind::Tabs, "Frame1", 275, 141, 273, 81, ""},
    {"Label7", SampleKind::Label, "Frame1", 4, 227, 57, 13, "Cuadrículas"},
    {"MSFlexGrid1", SampleKind::Grid, "Frame1", 11, 246, 534, 174, ""},
};

// Window areas at 96 dpi, in client coordinates (the toolbar starts at 0).
constexpr int kFrameLeft = 5, kFrameTop = 42, kFrameWidth = 556, kFrameHeight = 422;
constexpr int kGridLeft = 564, kGridTop = 43, kGridWidth = 184, kGridHeight = 298;

// The layout was drawn for a small narrow font: at this size a narrow sans
// fits every caption in its place and a line in the 13-pixel labels.
constexpr int kFontPixels = 10;

// The property grid's second header as the grid control took it: right-aligned,
// sized by the word followed by twelve blanks, and never narrower than the
// widest value it shows.
constexpr std::string_view kValueHeaderSizing = "Valor            ";
constexpr std::string_view kWidestValue = "-2147483648";
// A grid control's row height at 96 dpi.
constexpr int kGridRowHeight = 19;

class Scaler {
 public:
  explicit Scaler(double scale) : scale_(scale) {}
  int operator()(int pixels) const { return static_cast<int>(std::lround(pixels * scale_)); }
  QRect rect(int x, int y, int w, int h) const { return {(*this)(x), (*this)(y), (*this)(w), (*this)(h)}; }

 private:
  double scale_;
};

QWidget* buildToolbar(QMainWindow& window, const Scaler& px) {
  auto* toolbar = new QToolBar(&window);
  toolbar->setObjectName("Toolbar1");
  toolbar->setMovable(false);
  toolbar->setFloatable(false);
  toolbar->setFixedHeight(px(kToolbarHeight));
  toolbar->toggleViewAction()->setVisible(false);
  window.addToolBar(Qt::TopToolBarArea, toolbar);
  return toolbar;
}

void buildStatusBar(QMainWindow& window, const Scaler& px) {
  auto* bar = new QStatusBar(&window);
  bar->setObjectName("StatusBar1");
  bar->setSizeGripEnabled(false);
  bar->setFixedHeight(px(kStatusBarHeight));
  window.setStatusBar(bar);
  addStatusPanel(*bar, QString::fromUtf8(kStatusPanelText));
}

QWidget* createPlaced(const Placement& p, QWidget& parent, const Scaler& px) {
  QWidget* widget = createSample(p.kind, QString::fromUtf8(p.text), &parent);
  widget->setObjectName(QString::fromLatin1(p.name));
  if (p.width == 0) {
    widget->adjustSize();
    widget->move(px(p.x), px(p.y));
    return widget;
  }
  QRect place = px.rect(p.x, p.y, p.width, p.height);
  // A label never cuts its text: it grows to the right where a font runs wider.
  if (p.kind == SampleKind::Label) place.setWidth(std::max(place.width(), widget->sizeHint().width()));
  widget->setGeometry(place);
  return widget;
}

void buildPreview(QWidget& client, const Scaler& px) {
  auto* frame = new QGroupBox(&client);
  frame->setObjectName("Frame1");
  frame->setGeometry(px.rect(kFrameLeft, kFrameTop - kToolbarHeight, kFrameWidth, kFrameHeight));
  for (const Placement& p : kPreview) {
    auto* parent = client.findChild<QWidget*>(QString::fromLatin1(p.parent));
    createPlaced(p, *parent, px);
  }
}

void buildPropertyGrid(QWidget& client, const Scaler& px) {
  auto* grid = new QTableWidget(1, 2, &client);
  grid->setObjectName("grdProperties");
  // No theme ever recolours it, so the colours it paints stay readable.
  grid->setProperty("Tag", QString::fromLatin1(kOverrideMarker.data(), kOverrideMarker.size()));
  grid->setGeometry(px.rect(kGridLeft, kGridTop - kToolbarHeight, kGridWidth, kGridHeight));
  grid->verticalHeader()->hide();
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setTabKeyNavigation(false);
  grid->horizontalHeader()->setSectionsClickable(false);
  grid->horizontalHeader()->setHighlightSections(false);

  auto* name = new QTableWidgetItem(QString::fromUtf8(kPropertyNameHeader));
  auto* value = new QTableWidgetItem(QString::fromUtf8(kPropertyValueHeader));
  value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  grid->setHorizontalHeaderItem(0, name);
  grid->setHorizontalHeaderItem(1, value);

  // The value column as wide as its header with the blanks; the names take the rest.
  const QFontMetrics metrics(grid->horizontalHeader()->font());
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
  const int valueWidth = std::max(metrics.horizontalAdvance(QString::fromLatin1(kValueHeaderSizing.data())),
                                  metrics.horizontalAdvance(QString::fromLatin1(kWidestValue.data())));
  grid->setColumnWidth(1, valueWidth + px(10));
  grid->verticalHeader()->setMinimumSectionSize(1);
  grid->verticalHeader()->setDefaultSectionSize(px(kGridRowHeight));
}

}  // namespace

double layoutScale(const QWidget& widget) { return widget.logicalDpiX() / 96.0; }

void buildLayout(QMainWindow& window) {
  const Scaler px(layoutScale(window));
  QFont font = window.font();
  font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans Narrow"),
                    QStringLiteral("Arial Narrow"), font.family()});
  font.setPixelSize(px(kFontPixels));
  window.setFont(font);
  window.setContextMenuPolicy(Qt::PreventContextMenu);

  buildToolbar(window, px);
  auto* client = new QWidget(&window);
  client->setObjectName("clientArea");
  window.setCentralWidget(client);
  buildPreview(*client, px);
  buildPropertyGrid(*client, px);
  buildStatusBar(window, px);

  client->setFixedSize(px(kClientWidth), px(kClientHeight - kToolbarHeight - kStatusBarHeight));
  window.adjustSize();
  window.setFixedSize(window.sizeHint());
}

void setSampleGridText(QTableWidget& grid, int row, int column, const QString& text) {
  if (row == 0) {
    auto* header = grid.horizontalHeaderItem(column);
    if (!header) grid.setHorizontalHeaderItem(column, header = new QTableWidgetItem);
    header->setText(text);
    return;
  }
  auto* item = grid.item(row - 1, column);
  if (!item) grid.setItem(row - 1, column, item = new QTableWidgetItem);
  item->setText(text);
}

QString sampleGridText(const QTableWidget& grid, int row, int column) {
  const QTableWidgetItem* item = row == 0 ? grid.horizontalHeaderItem(column) : grid.item(row - 1, column);
  return item ? item->text() : QString();
}

}  // namespace palvex::designer::detail
