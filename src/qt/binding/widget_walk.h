#pragma once
// A walk over the widgets below one widget, shared by the styling of a form
// and the palette flush.

#include <vector>

#include <QWidget>

namespace palvex::qt::detail {

// Every widget below `widget`, depth first (cheaper than findChildren, which
// casts each child through its meta-object). `visit` returns whether to go
// on below the child it was given.
template <class Visit>
void forEachDescendant(QWidget* widget, Visit&& visit) {
  std::vector<QWidget*> pending{widget};
  while (!pending.empty()) {
    QWidget* w = pending.back();
    pending.pop_back();
    for (QObject* child : w->children()) {
      if (!child->isWidgetType()) continue;
      auto* c = static_cast<QWidget*>(child);
      if (visit(c)) pending.push_back(c);
    }
  }
}

}  // namespace palvex::qt::detail
