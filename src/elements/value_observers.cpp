// The process's value observers. UI thread only, so no locking.

#include "elements/value_observers.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "palvex/element.h"

namespace palvex {
namespace {

struct Registration {
  ValueObserverId id;
  ValueObserver observer;
  bool removed = false;
};

struct Observers {
  std::vector<std::shared_ptr<Registration>> registered;
  ValueObserverId lastId = 0;
};

Observers& observers() {
  static Observers all;
  return all;
}

}  // namespace

ValueObserverId addValueObserver(ValueObserver observer) {
  Observers& all = observers();
  all.registered.push_back(std::make_shared<Registration>(Registration{++all.lastId, std::move(observer)}));
  return all.lastId;
}

void removeValueObserver(ValueObserverId id) {
  auto& registered = observers().registered;
  auto found = std::ranges::find_if(registered, [&](const auto& r) { return r->id == id; });
  if (found == registered.end()) return;
  (*found)->removed = true;  // a notification in progress skips it
  registered.erase(found);
}

namespace detail {

// Told from a copy, so that observers may come and go meanwhile; the copy
// keeps each observer alive while it runs, even one that removes itself.
void notifyValueChanged(const Element& element, std::size_t index) {
  const auto snapshot = observers().registered;
  for (const auto& registration : snapshot)
    if (!registration->removed) registration->observer(element, index);
}

}  // namespace detail
}  // namespace palvex
