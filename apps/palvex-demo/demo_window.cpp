#include "demo_window.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "palvex/qt/controls.h"

namespace palvex::demo {
namespace {

using namespace palvex::qt;

template <class Widget, class... Args>
Widget* named(const char* name, Args&&... args) {
  auto* widget = new Widget(std::forward<Args>(args)...);
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QAction* namedAction(QObject* parent, const char* name, const QString& text) {
  auto* action = new QAction(text, parent);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QLabel* caption(const char* name, const QString& text, QWidget* buddy = nullptr) {
  auto* label = named<QLabel>(name, text);
  if (buddy) label->setBuddy(buddy);
  return label;
}

// The invoice lines: code, description, quantity, price, amount.
struct Line {
  const char* code;
  const char* description;
  int quantity;
  const char* price;
  const char* amount;
};
constexpr Line kLines[] = {
    {"TOR-008", "Tornillo hexagonal 8 mm (caja 100)", 12, "6,40", "76,80"},
    {"TAC-010", "Taco de nailon 10 mm (caja 50)", 10, "3,95", "39,50"},
    {"BRO-650", "Broca de widia 6,5 mm", 25, "2,15", "53,75"},
    {"TAL-18V", "Taladro percutor 18 V con dos baterías", 4, "129,90", "519,60"},
    {"GUA-NIT", "Guantes de nitrilo, talla L (par)", 60, "1,35", "81,00"},
    {"CIN-050", "Cinta métrica 5 m", 18, "14,44", "259,94"},
};

// A tab's page: a container holding one control, as a form designer makes it.
QWidget* page(const char* name, QWidget* content) {
  auto* holder = named<QWidget>(name);
  auto* layout = new QVBoxLayout(holder);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(content);
  return holder;
}

QTableWidget* invoiceLines() {
  auto* grid = named<QTableWidget>("grdLineas", static_cast<int>(std::size(kLines)), 5);
  grid->setHorizontalHeaderLabels({"Código", "Descripción", "Cant.", "Precio", "Importe"});
  int row = 0;
  for (const Line& line : kLines) {
    const QString cells[] = {line.code, QString::fromUtf8(line.description), QString::number(line.quantity),
                             QString::fromUtf8(line.price), QString::fromUtf8(line.amount)};
    for (int column = 0; column < 5; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      if (column >= 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid->setItem(row, column, item);
    }
    ++row;
  }
  grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  grid->verticalHeader()->setDefaultSectionSize(24);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->selectRow(3);
  return grid;
}

}  // namespace

DemoWindow::DemoWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("frmFacturas");
  setWindowTitle("Clientes y facturas · Palvex");
  buildMenus();
  buildToolBar();
  buildStatusBar();

  auto* central = named<QWidget>("pnlCentral");
  auto* layout = new QVBoxLayout(central);
  auto* top = new QHBoxLayout;
  top->addWidget(buildCustomer(), 5);
  top->addWidget(buildInvoice(), 4);
  layout->addLayout(top);
  layout->addWidget(buildDetail(), 1);
  layout->addWidget(buildTotals());
  setCentralWidget(central);
  resize(1000, 700);
}

void DemoWindow::buildMenus() {
  newAction_ = namedAction(this, "actNuevo", "&Nuevo cliente");
  newAction_->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
  saveAction_ = namedAction(this, "actGuardar", "&Guardar");
  saveAction_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  printAction_ = namedAction(this, "actImprimir", "&Imprimir…");
  printAction_->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  editThemeAction_ = namedAction(this, "actEditarTema", "&Editar tema…");
  editThemeAction_->setIcon(style()->standardIcon(QStyle::SP_DesktopIcon));
  connect(editThemeAction_, &QAction::triggered, this, &DemoWindow::editThemeRequested);

  auto* bar = menuBar();
  bar->setObjectName("mnuBarra");
  auto* file = bar->addMenu("&Archivo");
  file->setObjectName("mnuArchivo");
  file->addActions({newAction_, saveAction_, printAction_});
  auto* exportMenu = file->addMenu("&Exportar");
  exportMenu->setObjectName("mnuExportar");
  exportMenu->addAction(namedAction(exportMenu, "actExportarPdf", "Factura en &PDF…"));
  exportMenu->addAction(namedAction(exportMenu, "actExportarHoja", "Líneas en &hoja de cálculo…"));
  file->addSeparator();
  auto* quit = namedAction(file, "actSalir", "&Salir");
  connect(quit, &QAction::triggered, this, &QWidget::close);
  file->addAction(quit);

  auto* edit = bar->addMenu("&Edición");
  edit->setObjectName("mnuEdicion");
  edit->addAction(namedAction(edit, "actCopiar", "&Copiar"));
  edit->addAction(namedAction(edit, "actPegar", "&Pegar"));
  auto* find = edit->addMenu("&Buscar");
  find->setObjectName("mnuBuscar");
  find->addAction(namedAction(find, "actBuscarCliente", "Por &cliente…"));
  find->addAction(namedAction(find, "actBuscarFactura", "Por &número de factura…"));

  auto* theme = bar->addMenu("&Tema");
  theme->setObjectName("mnuTema");
  themeMenu_ = theme->addMenu("&Elegir tema");
  themeMenu_->setObjectName("mnuElegirTema");
  themeGroup_ = new QActionGroup(this);
  themeGroup_->setObjectName("grpTemas");
  theme->addAction(editThemeAction_);

  auto* help = bar->addMenu("A&yuda");
  help->setObjectName("mnuAyuda");
  auto* about = namedAction(help, "actAcercaDe", "&Acerca de…");
  connect(about, &QAction::triggered, this, [this] {
    QMessageBox::about(this, "Palvex",
                       "Una ventana de ejemplo coloreada por el motor de temas Palvex.\n"
                       "Elija un tema en la barra de herramientas o edítelo con «Editar tema…».");
  });
  help->addAction(about);
}

void DemoWindow::buildToolBar() {
  auto* bar = addToolBar("Principal");
  bar->setObjectName("tbPrincipal");
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  bar->addActions({newAction_, saveAction_, printAction_});
  bar->addSeparator();
  themeCombo_ = named<QComboBox>("cboTema");
  themeCombo_->setToolTip("Tema de colores");
  themeCombo_->setMinimumContentsLength(14);
  connect(themeCombo_, &QComboBox::textActivated, this, &DemoWindow::themeChosen);
  bar->addWidget(themeCombo_);
  bar->addAction(editThemeAction_);
  // The buttons the toolbar makes for its actions get names too: "tb" + the action's.
  for (QAction* action : bar->actions())
    if (QWidget* button = bar->widgetForAction(action); button && !action->objectName().isEmpty())
      button->setObjectName("tb" + action->objectName().mid(3));
}

void DemoWindow::buildStatusBar() {
  auto* bar = statusBar();
  bar->setObjectName("sbEstado");
  bar->setSizeGripEnabled(false);
}

QWidget* DemoWindow::buildCustomer() {
  auto* box = named<QGroupBox>("fraCliente", "Cliente");
  auto* grid = new QGridLayout(box);

  auto* code = named<skinCodeBox>("txtCodigo");
  code->setMaxLength(8);
  code->setText("C-0042");
  auto* name = named<skinText>("txtNombre");
  name->setText("Ferretería Hermanos Ruiz, S.L.");
  auto* taxId = named<QLineEdit>("txtNif");
  taxId->setText("B-46123457");
  auto* province = named<skinCombo>("cboProvincia");
  province->setEditable(false);
  province->addItems({"Valencia", "Madrid", "Sevilla", "Zaragoza", "A Coruña"});

  auto* kind = named<QWidget>("pnlTipo");
  auto* kindRow = new QHBoxLayout(kind);
  kindRow->setContentsMargins(0, 0, 0, 0);
  auto* company = named<QRadioButton>("optEmpresa", "Empresa");
  company->setChecked(true);
  kindRow->addWidget(company);
  kindRow->addWidget(named<QRadioButton>("optParticular", "Particular"));
  kindRow->addStretch();

  auto* preferred = named<skinCheck>("chkPreferente", "Cliente preferente");
  preferred->setChecked(true);
  auto* byMail = named<QCheckBox>("chkCorreo", "Factura por correo");
  byMail->setChecked(true);
  auto* surcharge = named<plainCheck>("chkRecargo", "Recargo de equivalencia");
  surcharge->setEnabled(false);
  auto* balance = named<boxedLabel>("lblSaldo", "Saldo pendiente: 1.245,80 €");

  int row = 0;
  grid->addWidget(caption("lblCodigo", "&Código", code), row, 0);
  grid->addWidget(code, row++, 1);
  grid->addWidget(caption("lblNombre", "&Nombre", name), row, 0);
  grid->addWidget(name, row++, 1);
  grid->addWidget(caption("lblNif", "N&IF", taxId), row, 0);
  grid->addWidget(taxId, row++, 1);
  grid->addWidget(caption("lblProvincia", "&Provincia", province), row, 0);
  grid->addWidget(province, row++, 1);
  grid->addWidget(caption("lblTipo", "Tipo"), row, 0);
  grid->addWidget(kind, row++, 1);
  grid->addWidget(preferred, row++, 1);
  grid->addWidget(byMail, row++, 1);
  grid->addWidget(surcharge, row++, 1);
  grid->addWidget(balance, row++, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  return box;
}

QWidget* DemoWindow::buildInvoice() {
  auto* box = named<QGroupBox>("fraFactura", "Factura");
  auto* grid = new QGridLayout(box);

  auto* date = named<skinDate>("dtpFecha");
  date->setDate(QDate(2024, 3, 15));
  auto* discount = named<skinNumber>("numDescuento");
  discount->setDecimals(2);
  discount->setValue(5.0);
  auto* payment = named<QComboBox>("cboFormaPago");
  payment->addItems({"Transferencia a 30 días", "Recibo domiciliado", "Contado"});
  auto* state = named<slideButton>("sldEstado");
  state->setCaptions({"Borrador", "Emitida", "Cobrada"});
  state->setCurrentIndex(1);
  auto* contacts = named<skinList>("lstContactos");
  contacts->addItems({"Ana Ruiz · compras", "Luis Gómez · pagos", "Marta Sanz · almacén"});
  contacts->setMaximumHeight(72);

  auto* buttons = named<QWidget>("pnlBotones");
  auto* buttonRow = new QHBoxLayout(buttons);
  buttonRow->setContentsMargins(0, 0, 0, 0);
  buttonRow->addWidget(named<skinButton>("cmdGuardar", "Guardar"));
  auto* cancel = named<skinButton>("cmdAnular", "Anular");
  cancel->setEnabled(false);
  buttonRow->addWidget(cancel);
  buttonRow->addWidget(named<QPushButton>("cmdDuplicar", "Duplicar"));
  buttonRow->addStretch();
  buttonRow->addWidget(named<roundButton>("cmdAyuda", "?"));

  int row = 0;
  grid->addWidget(caption("lblFecha", "&Fecha", date), row, 0);
  grid->addWidget(date, row++, 1);
  grid->addWidget(caption("lblDescuento", "&Descuento %", discount), row, 0);
  grid->addWidget(discount, row++, 1);
  grid->addWidget(caption("lblFormaPago", "Forma de &pago", payment), row, 0);
  grid->addWidget(payment, row++, 1);
  grid->addWidget(caption("lblEstado", "Estado"), row, 0);
  grid->addWidget(state, row++, 1);
  grid->addWidget(caption("lblContactos", "C&ontactos", contacts), row, 0, Qt::AlignTop);
  grid->addWidget(contacts, row++, 1);
  grid->addWidget(buttons, row++, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(row, 1);
  return box;
}

QWidget* DemoWindow::buildDetail() {
  auto* tabs = named<skinTabs>("tabDetalle");
  tabs->addTab("Líneas", page("pagLineas", invoiceLines()));
  auto* notes = named<QPlainTextEdit>("txtObservaciones");
  notes->setPlainText("Entregar en el almacén de la calle Mayor, 14, de 8:00 a 14:00.\n"
                      "El cliente pide factura agrupada a fin de mes.");
  tabs->addTab("Observaciones", page("pagObservaciones", notes));
  auto* history = named<QListWidget>("lstHistorial");
  history->addItems({"12/01/2024  Factura 2024-0007  cobrada", "02/02/2024  Factura 2024-0031  cobrada",
                     "01/03/2024  Factura 2024-0058  emitida"});
  tabs->addTab("Historial", page("pagHistorial", history));
  tabs->setCurrentIndex(0);
  return tabs;
}

QWidget* DemoWindow::buildTotals() {
  auto* frame = named<QFrame>("fraTotales");
  frame->setFrameShape(QFrame::StyledPanel);
  auto* row = new QGridLayout(frame);
  const struct {
    const char* captionName;
    const char* captionText;
    const char* valueName;
    const char* valueText;
  } totals[] = {
      {"lblBase", "Base imponible", "lblBaseValor", "1.029,59 €"},
      {"lblIva", "IVA (21 %)", "lblIvaValor", "216,21 €"},
      {"lblTotal", "Total", "lblTotalValor", "1.245,80 €"},
  };
  int column = 0;
  QLabel* value = nullptr;
  for (const auto& total : totals) {
    row->setColumnStretch(column++, 1);
    row->addWidget(caption(total.captionName, total.captionText), 0, column++);
    value = caption(total.valueName, QString::fromUtf8(total.valueText));
    QFont font = value->font();
    font.setBold(true);
    value->setFont(font);
    value->setContentsMargins(10, 4, 10, 4);
    row->addWidget(value, 0, column++);
  }
  // The outline around the total shares the total's cell, drawn over it.
  auto* outline = named<Shape>("shpTotal");
  outline->setShape(Shape::RoundedRectangle);
  outline->setBorderWidth(2);
  outline->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  row->addWidget(outline, 0, column - 1);
  return frame;
}

void DemoWindow::setThemes(const QStringList& names, const QString& current) {
  themeCombo_->clear();
  themeCombo_->addItems(names);
  themeMenu_->clear();
  for (const QString& name : names) {
    auto* action = themeMenu_->addAction(name);
    action->setObjectName("actTema_" + name);
    action->setCheckable(true);
    themeGroup_->addAction(action);
    connect(action, &QAction::triggered, this, [this, name] { emit themeChosen(name); });
  }
  showCurrentTheme(current);
}

void DemoWindow::showCurrentTheme(const QString& name) {
  const int index = themeCombo_->findText(name, Qt::MatchFixedString);
  if (index >= 0) themeCombo_->setCurrentIndex(index);
  for (QAction* action : themeMenu_->actions()) action->setChecked(action->text().compare(name, Qt::CaseInsensitive) == 0);
  statusBar()->showMessage("Tema: " + name + "   ·   3 facturas pendientes de cobro");
}

void DemoWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) emit activated();
}

}  // namespace palvex::demo
