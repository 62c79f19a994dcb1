#pragma once
// One adapter per widget for the widget's life, and what they share: the
// apply session that gathers every palette change until the outermost apply
// bracket closes, focus tracking for the focused colours, the inner parts
// that get the flat style, and the window calls.

#include <cstdint>
#include <memory>
#include <vector>

#include <QHash>
#include <QObject>
#include <QPointer>

#include "qt/binding/widget_object.h"

namespace palvex::qt::detail {

class WindowCalls;

class Registry : public QObject {
  Q_OBJECT

 public:
  // Created on first use (a QApplication must exist); lives as long as the application.
  static Registry& instance();
  // Null before the first use and after the application is gone.
  static Registry* existing();
  ~Registry() override;

  std::shared_ptr<WidgetObject> object(QWidget* widget);
  WidgetObject* find(const QWidget* widget) const;
  // The adapter of `widget` or of the nearest ancestor that has one: the
  // style asks this for a composite's inner parts.
  const WidgetObject* owner(const QWidget* widget) const;

  // The apply session: open while any apply bracket is open.
  void beginSession();
  void endSession();
  bool inSession() const { return sessionDepth_ > 0; }
  // Nonzero and constant during one session: answers may be cached for it.
  std::uint64_t sessionStamp() const { return sessionDepth_ > 0 ? sessionStamp_ : 0; }
  // The widget's look changes at the end of the session (at once outside one).
  void markDirty(WidgetObject& object);
  // A form or container listed these controls while being themed: the ones
  // left alone are kept out of its colours at the flush, and the themed ones
  // take its new background.
  void noteWalked(QWidget* container, const std::vector<QWidget*>& controls);
  // Everything the binding coloured is built again (the system colours changed).
  void refreshAll();

  WindowCalls& windows() { return *windows_; }

  // The flat style on `widget` and its inner parts, now and for inner parts made later.
  void applyFlatStyle(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Registry();
  void flush();
  void flushNow();
  void onFocusChanged(QWidget* old, QWidget* now);
  void refreshFocus(QWidget* from, QWidget* now);
  void forget(QObject* widget);

  QHash<const QWidget*, std::shared_ptr<WidgetObject>> objects_;
  std::unique_ptr<WindowCalls> windows_;
  int sessionDepth_ = 0;
  std::uint64_t sessionStamp_ = 0;
  std::vector<QPointer<QWidget>> dirty_;
  std::vector<QPointer<QWidget>> walked_;
  std::vector<QPointer<QWidget>> walkedContainers_;
  bool flushing_ = false;
};

}  // namespace palvex::qt::detail
