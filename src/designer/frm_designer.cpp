#include "designer/frm_designer.h"

#include <algorithm>
#include <array>
#include <exception>

#include <QEvent>
#include <QFocusEvent>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>

#include "designer/designer_layout.h"
#include "palvex/globales.h"
#include "palvex/qt/palvex_qt.h"
#include "palvex/shared_utility.h"
#include "palvex/tema.h"

namespace palvex::designer::detail {
namespace {

// The "Elementos" menu: each entry selects the shared element of its class.
// The form element holds both the window background and the menu colour,
// so two entries select it.
struct ElementEntry {
  const char* objectName;
  const char* caption;
  const char* elementClass;
};
constexpr ElementEntry kElementMenu[] = {
    {"MC_TOOLBAR", "Barras de herramientas", "CToolBar"},
    {"MC_STATUSBAR", "Barra de status", "CStatusBar"},
    {"MC_BUTTON", "Botones de comando", "CCommandButton"},
    {"MC_TEXT", "Controles de texto", "CText"},
    {"MC_GRID", "Cuadricula", "CGrid"},
    {"MC_CHECK", "Cuadros de verificacion", "CCheckBox"},
    {"MC_LABEL", "Etiquetas", "CLabel"},
    {"MC_FORM", "Fondo del formulario", "CForm"},
    {"MC_MENU", "Menues", "CForm"},
    {"MC_TABS", "Pestañas", "CTabStrip"},
    {"MC_Shape", "Shape", "CShape"},
};

// Samples that select an element when clicked (or, for the text kinds, when
// entered). The other samples select nothing.
struct SampleSelector {
  const char* sample;
  const char* elementClass;
  bool onFocus;
};
constexpr SampleSelector kSampleSelectors[] = {
    {"Toolbar1", "CToolBar", false},      {"StatusBar1", "CStatusBar", false},
    {"skinTabs1", "CTabStrip", false},    {"Label9", "CTabStrip", false},
    {"skinCheck1", "CCheckBox", false},   {"skinCombo1", "CText", true},
    {"skinList1", "CText", true},         {"skinCodeBox1", "CText", true},
    {"skinText1", "CText", true},         {"skinNumber1", "CText", true},
    {"skinDate1", "CText", true},         {"MSFlexGrid1", "CGrid", false},
    {"skinButton1", "CCommandButton", false}, {"Label8", "CLabel", false},
};

// What an edit of an element re-applies at once: its samples through the
// first Tema, then one extra step. Matched by exact class name, first match.
enum class Afterwards { Nothing, DisableAgain, RepaintToolbar, OwnApplyToWindow, OwnApplyToShape };
struct PreviewRefresh {
  std::string_view elementClass;
  std::array<const char*, 6> samples;
  Afterwards then;
};
constexpr PreviewRefresh kPreviewRefresh[] = {
    {"CCheckBox", {"skinCheck1"}, Afterwards::Nothing},
    {"CCommandButton", {"skinButton1", "skinButtondis"}, Afterwards::DisableAgain},
    {"CGrid", {"MSFlexGrid1"}, Afterwards::Nothing},
    {"CStatusBar", {"StatusBar1"}, Afterwards::Nothing},
    {"CTabStrip", {"skinTabs1"}, Afterwards::Nothing},
    {"CText", {"skinCombo1", "skinList1", "skinCodeBox1", "skinText1", "skinNumber1", "skinDate1"},
     Afterwards::Nothing},
    {"CToolBar", {"Toolbar1"}, Afterwards::RepaintToolbar},
    {"CLabel", {"Label8"}, Afterwards::Nothing},
    {"CForm", {}, Afterwards::OwnApplyToWindow},
    {"CShape", {}, Afterwards::OwnApplyToShape},
};

constexpr const char* kCaptionPrefix = "Editor de Palvex (Tema Activo = ";

// Whether `element` is the shared instance every apply uses now. Asked
// without creating one: while the accessors reload, no instance is.
bool isShared(const Element& element) {
  if (globales::reloadElements()) return false;
  return globales::sharedElement(element.className()).get() == &element;
}

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Focus that the user moved there; not focus coming back to the window
// after a menu or a dialog closed.
bool enteredByUser(Qt::FocusReason reason) {
  return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason ||
         reason == Qt::OtherFocusReason;
}

}  // namespace

FrmDesigner::FrmDesigner() {
  setObjectName("frmDesigner");
  if (!globales::firstTema()) fallbackTema_ = Tema::create();
  buildLayout(*this);
  buildMenus();
  setUpPropertyGrid();
  watchSamples();
  valueObserver_ = addValueObserver([this](const Element& element, std::size_t index) {
    elementChanged(element, index);
  });
}

FrmDesigner::~FrmDesigner() {
  removeValueObserver(valueObserver_);
  removeSystemColourListener(systemColourListener_);
}

void FrmDesigner::load() {
  qobject_cast<QListWidget*>(sample("skinList1"))->addItem(QStringLiteral("Listas"));
  const std::shared_ptr<Tema> tema = engine();
  tema->configurarFormulario(qt::object(this));
  // From here on every accessor hands out the instances the preview was
  // coloured from, which are the ones the grid edits.
  globales::setReloadElements(false);
  setWindowTitle(QString::fromUtf8(kCaptionPrefix) + fromUtf8(tema->getTema()) + QStringLiteral(")"));
  sample("skinButtondis")->setEnabled(false);
  auto* grid = qobject_cast<QTableWidget*>(sample("MSFlexGrid1"));
  setSampleGridText(*grid, 0, 0, QStringLiteral("Fixed"));
  setSampleGridText(*grid, 1, 0, QStringLiteral("Normal"));
}

QString FrmDesigner::currentElementName() const {
  return currentElement_ ? fromUtf8(currentElement_->className()) : QString();
}

void FrmDesigner::buildMenus() {
  QMenuBar* bar = menuBar();
  // The '&' gives each entry of the bar its Alt key; the caption shown is the word.
  QMenu* elements = bar->addMenu(QStringLiteral("&Elementos"));
  elements->setObjectName("MC_ELEMENTS");
  elements->menuAction()->setObjectName("MC_ELEMENTS");
  for (const ElementEntry& entry : kElementMenu) {
    QAction* action = elements->addAction(QString::fromUtf8(entry.caption));
    action->setObjectName(QString::fromLatin1(entry.objectName));
    const char* elementClass = entry.elementClass;
    connect(action, &QAction::triggered, this, [this, elementClass] { selectElement(elementClass); });
  }
  QAction* save = bar->addAction(QStringLiteral("&Actualizar"));
  save->setObjectName("MC_UPDATE");
  connect(save, &QAction::triggered, this, [this] { guarded([this] { actualizar(); }); });
  QAction* quit = bar->addAction(QStringLiteral("&Terminar"));
  quit->setObjectName("MC_CLOSE");
  connect(quit, &QAction::triggered, this, [this] { guarded([this] { terminar(); }); });
}

// A click lands on the innermost widget, so every part of a sample is watched.
void FrmDesigner::watchSamples() {
  for (const SampleSelector& s : kSampleSelectors) {
    QWidget* widget = sample(s.sample);
    QList<QWidget*> parts = widget->findChildren<QWidget*>();
    parts.prepend(widget);
    for (QWidget* part : parts) {
      selectors_.insert(part, Selection{s.elementClass, s.onFocus});
      part->installEventFilter(this);
    }
  }
}

bool FrmDesigner::eventFilter(QObject* watched, QEvent* event) {
  if (watched == properties_) return gridKey(event);
  return sampleEvent(watched, event);
}

bool FrmDesigner::sampleEvent(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::FocusIn) return false;
  const auto it = selectors_.constFind(watched);
  if (it == selectors_.constEnd()) return false;
  const bool select = event->type() == QEvent::MouseButtonPress ||
                      (it->onFocus && enteredByUser(static_cast<QFocusEvent*>(event)->reason()));
  if (select) selectElement(it->elementClass);
  return false;
}

void FrmDesigner::selectElement(std::string_view className) {
  guarded([this, className] {
    currentElement_ = globales::sharedElement(className);
    loadPropertyGrid();
  });
}

void FrmDesigner::refreshPreview(Element& element) {
  const auto refresh = std::find_if(std::begin(kPreviewRefresh), std::end(kPreviewRefresh),
                                    [&](const PreviewRefresh& r) { return r.elementClass == element.className(); });
  if (refresh == std::end(kPreviewRefresh)) return;
  for (const char* name : refresh->samples)
    if (name) applySample(name);
  switch (refresh->then) {
    case Afterwards::Nothing: break;
    case Afterwards::DisableAgain: {
      // Enabled and disabled again, so that it repaints in its disabled colours.
      QWidget* button = sample("skinButtondis");
      button->setEnabled(true);
      button->setEnabled(false);
      break;
    }
    case Afterwards::RepaintToolbar: {
      // Lay the window out again and paint the bar now, not at the next idle moment.
      QWidget* bar = sample("Toolbar1");
      layout()->invalidate();
      layout()->activate();
      bar->repaint();
      break;
    }
    case Afterwards::OwnApplyToWindow: element.call("Aplicar", {qt::object(this)}); break;
    case Afterwards::OwnApplyToShape: element.call("Aplicar", {qt::object(sample("Shape1"))}); break;
  }
}

void FrmDesigner::applySample(const char* name) { engine()->Aplicar(qt::object(sample(name))); }

// A change made elsewhere (another designer window, the host) to the
// element this grid shows, or to a shared element this preview paints with.
// This window's own edits update grid and preview in the click itself.
void FrmDesigner::elementChanged(const Element& element, std::size_t index) {
  if (editing_) return;
  const bool shown = currentElement_.get() == &element;
  try {
    if (shown) showValueOf(index);
    // Applying does not change the element's values.
    if (shown || isShared(element)) refreshPreview(const_cast<Element&>(element));
  } catch (const std::exception&) {
    // A preview that cannot follow is no reason to fail the caller's change.
  }
}

QWidget* FrmDesigner::sample(const char* name) const {
  return findChild<QWidget*>(QString::fromLatin1(name));
}

std::shared_ptr<Tema> FrmDesigner::engine() const {
  std::shared_ptr<Tema> first = globales::firstTema();
  return first ? first : fallbackTema_;
}

void FrmDesigner::guarded(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& e) {
    report(e.what());
  } catch (...) {
    report("error desconocido");
  }
}

void FrmDesigner::report(const std::string& what) {
  try {
    sharedUtility().showMessage("No se pudo completar la operacion: " + what);
  } catch (...) {
    // Nothing left to tell the user with; the action has ended either way.
  }
}

}  // namespace palvex::designer::detail
