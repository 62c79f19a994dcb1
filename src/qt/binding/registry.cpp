#include "qt/binding/registry.h"

#include <algorithm>

#include <QApplication>
#include <QChildEvent>
#include <QMenu>
#include <QMenuBar>

#include "palvex/qt/palvex_qt.h"
#include "qt/binding/meta_access.h"
#include "qt/binding/widget_walk.h"
#include "qt/binding/window_calls.h"

namespace palvex::qt::detail {
namespace {

QPointer<Registry>& current() {
  static QPointer<Registry> registry;
  return registry;
}

bool contains(const std::vector<QWidget*>& widgets, const QWidget* widget) {
  return std::find(widgets.begin(), widgets.end(), widget) != widgets.end();
}

// A widget a user placed in `root` (a tab page, a control in a group box) is
// themed on its own; everything else below `root` is one of its inner parts.
bool placedIn(QWidget* root, const QWidget* child) {
  if (contains(pagesOf(root), child)) return true;
  return child->parentWidget() == root && childrenArePlaced(root) && !neverPlaced(child);
}

// Only forms end the climb: popups (menus, a combo box's list) belong to the
// widget that opened them.
bool endsClimb(const QWidget* widget) { return widget->isWindow() && widget->windowType() != Qt::Popup; }

}  // namespace

Registry& Registry::instance() {
  QPointer<Registry>& registry = current();
  if (!registry) {
    registry = new Registry;
    registry->setParent(QCoreApplication::instance());
  }
  return *registry;
}

Registry* Registry::existing() { return current().data(); }

Registry::Registry() : windows_(std::make_unique<WindowCalls>(*this)) {
  setObjectBridge({[](QWidget* widget) { return palvex::qt::object(widget); },
                   [](const Variant& value) { return palvex::qt::widgetOf(value); }});
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
    connect(app, &QApplication::focusChanged, this, &Registry::onFocusChanged);
}

Registry::~Registry() {
  windows_.reset();
  setObjectBridge({});
}

std::shared_ptr<WidgetObject> Registry::object(QWidget* widget) {
  if (auto it = objects_.find(widget); it != objects_.end()) return it.value();
  auto adapter = std::make_shared<WidgetObject>(widget, *this);
  objects_.insert(widget, adapter);
  connect(widget, &QObject::destroyed, this, &Registry::forget);
  return adapter;
}

WidgetObject* Registry::find(const QWidget* widget) const {
  auto it = objects_.constFind(widget);
  return it == objects_.constEnd() ? nullptr : it.value().get();
}

const WidgetObject* Registry::owner(const QWidget* widget) const {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    if (const WidgetObject* o = find(w)) return o;
    if (endsClimb(w)) break;
  }
  return nullptr;
}

void Registry::forget(QObject* widget) {
  // Called while the widget is being destroyed: only its address is used.
  auto it = objects_.find(static_cast<const QWidget*>(widget));
  if (it == objects_.end()) return;
  const std::shared_ptr<WidgetObject> adapter = it.value();
  objects_.erase(it);
  windows_->widgetGone(*adapter);
}

void Registry::beginSession() {
  if (sessionDepth_++ == 0) ++sessionStamp_;
}

void Registry::endSession() {
  if (sessionDepth_ == 0) return;
  // The flush still belongs to the session: what was learnt about the
  // widgets during it holds.
  if (sessionDepth_ == 1) flush();
  --sessionDepth_;
}

void Registry::markDirty(WidgetObject& object) {
  WidgetObject::Look& look = object.look();
  if (!look.dirty) {
    look.dirty = true;
    dirty_.emplace_back(object.widget());
  }
  if (!inSession()) flushNow();
}

void Registry::noteWalked(QWidget* container, const std::vector<QWidget*>& controls) {
  walkedContainers_.emplace_back(container);
  walked_.insert(walked_.end(), controls.begin(), controls.end());
  if (!inSession()) flushNow();
}

void Registry::refreshAll() {
  ++sessionStamp_;  // identities may have changed too
  beginSession();
  for (const auto& adapter : std::as_const(objects_)) {
    WidgetObject::Look& look = adapter->look();
    if ((look.themed || look.pinned) && adapter->widget()) markDirty(*adapter);
  }
  endSession();
}

// A change outside any apply (a window call made by the host, a focus or
// palette change) is shown at once, as a session of its own.
void Registry::flushNow() {
  beginSession();
  endSession();
}

void Registry::applyFlatStyle(QWidget* root) {
  QStyle* style = flatStyle();
  auto styleOne = [&](QWidget* w) {
    if (w->style() != style) w->setStyle(style);
    w->installEventFilter(this);
  };
  styleOne(root);
  forEachDescendant(root, [&](QWidget* inner) {
    if (placedIn(root, inner)) return false;
    styleOne(inner);
    return true;
  });
}

bool Registry::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ChildPolished: {
      // An inner part made after the widget was styled (a combo box's list,
      // an editor) takes the style too.
      QObject* child = static_cast<QChildEvent*>(event)->child();
      if (!child || !child->isWidgetType()) break;
      auto* inner = static_cast<QWidget*>(child);
      if (inner->style() == flatStyle()) break;
      const WidgetObject* root = owner(static_cast<QWidget*>(watched));
      if (root && root->widget() && !placedIn(root->widget(), inner)) applyFlatStyle(inner);
      break;
    }
    case QEvent::ActionAdded:
    case QEvent::ActionRemoved:
    case QEvent::ActionChanged:
      if (qobject_cast<QMenu*>(watched) || qobject_cast<QMenuBar*>(watched))
        windows_->syncSubmenus(static_cast<QWidget*>(watched));
      break;
    default:
      break;
  }
  return false;
}

void Registry::onFocusChanged(QWidget* old, QWidget* now) {
  refreshFocus(old, now);
  refreshFocus(now, now);
}

// Focused colours follow the focus into a widget's inner parts: a combo box
// is focused while its line edit is.
void Registry::refreshFocus(QWidget* from, QWidget* now) {
  for (QWidget* w = from; w; w = w->parentWidget()) {
    if (WidgetObject* o = find(w); o && o->look().themed) {
      PaintState& paint = o->paint();
      const bool focused = now && (w == now || w->isAncestorOf(now));
      if (paint.focused != focused && (paint.paint == Paint::Button || paint.paint == Paint::Text)) {
        paint.focused = focused;
        WidgetObject::Look& look = o->look();
        if (look.hasFocusedLook) w->setPalette(focused ? look.focused : look.normal);
        w->update();
      }
    }
    if (endsClimb(w)) break;
  }
}

}  // namespace palvex::qt::detail
