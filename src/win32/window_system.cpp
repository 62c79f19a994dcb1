#include "win32/window_system.h"

#include <algorithm>
#include <unordered_set>

namespace palvex::win32 {

namespace {
// Handles step by 4 from a base well away from 0, like real handle values;
// after ~500 million objects the counter wraps and skips live handles.
constexpr std::int32_t kFirstHandle = 0x10000;
constexpr std::int32_t kHandleStep = 4;
}  // namespace

bool WindowSystem::handleInUse(std::int32_t handle) const {
  return brushes_.contains(handle) || windows_.contains(handle) || menus_.contains(handle);
}

std::int32_t WindowSystem::nextHandle() {
  do {
    if (lastHandle_ == 0 || lastHandle_ > INT32_MAX - kHandleStep)
      lastHandle_ = kFirstHandle;
    else
      lastHandle_ += kHandleStep;
  } while (handleInUse(lastHandle_));
  return lastHandle_;
}

// --- Brushes ---

HBRUSH WindowSystem::createBrush(COLORREF colour) {
  HBRUSH brush = nextHandle();
  brushes_[brush] = colour;
  return brush;
}

bool WindowSystem::deleteBrush(HBRUSH brush) { return brushes_.erase(brush) > 0; }

std::optional<COLORREF> WindowSystem::brushColour(HBRUSH brush) const {
  auto it = brushes_.find(brush);
  if (it == brushes_.end()) return std::nullopt;
  return it->second;
}

BrushCounts WindowSystem::brushCounts() const {
  std::unordered_set<HBRUSH> onClasses;
  for (const auto& [name, windowClass] : classes_)
    if (brushes_.contains(windowClass.background)) onClasses.insert(windowClass.background);
  std::unordered_set<HBRUSH> onMenus;
  for (const auto& [handle, menu] : menus_)
    if (brushes_.contains(menu.info.hbrBack)) onMenus.insert(menu.info.hbrBack);
  return BrushCounts{brushes_.size(), onClasses.size(), onMenus.size()};
}

// --- Windows and classes ---

WindowSystem::WindowClass& WindowSystem::classNamed(std::string_view name) {
  auto it = classes_.find(name);
  if (it != classes_.end()) return it->second;
  auto [inserted, ok] = classes_.emplace(std::string(name), WindowClass{std::string(name), 0});
  return inserted->second;
}

HWND WindowSystem::createWindow(std::string_view className, HWND parent, std::string_view title) {
  if (parent != 0 && !isWindow(parent)) return 0;
  HWND window = nextHandle();
  windows_[window] = Window{&classNamed(className), parent, std::string(title), 0, CLR_DEFAULT};
  return window;
}

HWND WindowSystem::findChild(HWND parent, HWND childAfter, const char* className, const char* title) const {
  if (parent != 0 && !isWindow(parent)) return 0;
  if (childAfter != 0 && !isWindow(childAfter)) return 0;
  auto it = childAfter == 0 ? windows_.begin() : std::next(windows_.find(childAfter));
  for (; it != windows_.end(); ++it) {
    const Window& w = it->second;
    if (w.parent != parent) continue;
    if (className && !text::equalsIgnoreCase(w.windowClass->name, className)) continue;
    if (title && w.title != title) continue;
    return it->first;
  }
  return 0;
}

std::optional<std::string> WindowSystem::className(HWND window) const {
  auto it = windows_.find(window);
  if (it == windows_.end()) return std::nullopt;
  return it->second.windowClass->name;
}

std::int32_t WindowSystem::setClassBackground(HWND window, HBRUSH brush) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return 0;
  WindowClass& windowClass = *it->second.windowClass;
  HBRUSH previous = windowClass.background;
  windowClass.background = brush;
  const std::vector<HWND> affected = windowsOfClass(windowClass.name);
  notify([&](Listener& l) { l.classBackgroundChanged(windowClass.name, brush, affected); });
  return previous;
}

std::vector<HWND> WindowSystem::windowsOfClass(std::string_view name) const {
  std::vector<HWND> found;
  auto it = classes_.find(name);
  if (it == classes_.end()) return found;
  for (const auto& [handle, window] : windows_)
    if (window.windowClass == &it->second) found.push_back(handle);
  return found;
}

bool WindowSystem::destroyWindow(HWND window) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return false;
  std::vector<HWND> children;
  for (const auto& [handle, w] : windows_)
    if (w.parent == window) children.push_back(handle);
  for (HWND child : children) destroyWindow(child);
  const HMENU menu = it->second.menu;
  windows_.erase(window);
  if (menu != 0) destroyMenu(menu);
  notify([&](Listener& l) { l.windowDestroyed(window); });
  return true;
}

HBRUSH WindowSystem::classBackground(HWND window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? 0 : it->second.windowClass->background;
}

HBRUSH WindowSystem::classBackground(std::string_view name) const {
  auto it = classes_.find(name);
  return it == classes_.end() ? 0 : it->second.background;
}

LRESULT WindowSystem::sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return 0;
  notify([&](Listener& l) { l.messageSent(window, message, wParam, lParam); });
  if (message != SB_SETBKCOLOR) return 0;
  // A COLORREF travels in the low 32 bits of lParam.
  const auto colour = static_cast<COLORREF>(static_cast<std::uint32_t>(lParam & 0xFFFFFFFF));
  COLORREF previous = it->second.statusBarColour;
  it->second.statusBarColour = colour;
  notify([&](Listener& l) { l.statusBarColourChanged(window, colour); });
  return previous;
}

COLORREF WindowSystem::statusBarColour(HWND window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? CLR_DEFAULT : it->second.statusBarColour;
}

// --- Menus ---

HMENU WindowSystem::createMenu() {
  HMENU menu = nextHandle();
  Menu m;
  m.info.cbSize = sizeof(MENUINFO);
  menus_[menu] = std::move(m);
  return menu;
}

// Menus may list one submenu under several items and chains may run far
// deeper than the stack: every walk of a menu tree is iterative and visits
// each menu once.
std::vector<HMENU> WindowSystem::menuTree(HMENU menu) const {
  std::vector<HMENU> tree{menu};
  std::unordered_set<HMENU> seen{menu};
  for (std::size_t i = 0; i < tree.size(); ++i) {
    auto it = menus_.find(tree[i]);
    if (it == menus_.end()) continue;
    for (HMENU sub : it->second.submenus)
      if (seen.insert(sub).second) tree.push_back(sub);
  }
  return tree;
}

bool WindowSystem::isDescendantMenu(HMENU menu, HMENU candidate) const {
  const std::vector<HMENU> tree = menuTree(menu);
  return std::ranges::find(tree, candidate) != tree.end();
}

bool WindowSystem::appendSubMenu(HMENU menu, HMENU submenu) {
  auto it = menus_.find(menu);
  if (it == menus_.end() || !menus_.contains(submenu)) return false;
  if (isDescendantMenu(submenu, menu)) return false;  // no cycles
  it->second.submenus.push_back(submenu);
  return true;
}

bool WindowSystem::removeSubMenu(HMENU menu, HMENU submenu) {
  auto it = menus_.find(menu);
  if (it == menus_.end()) return false;
  auto& subs = it->second.submenus;
  auto found = std::ranges::find(subs, submenu);
  if (found == subs.end()) return false;
  subs.erase(found);
  return true;
}

bool WindowSystem::menuInUse(HMENU menu) const {
  for (const auto& [handle, m] : menus_)
    if (std::ranges::find(m.submenus, menu) != m.submenus.end()) return true;
  for (const auto& [handle, w] : windows_)
    if (w.menu == menu) return true;
  return false;
}

// `menu` and the submenus below it that nothing outside the doomed set holds.
// Iterative: a menu chain may be far deeper than the stack.
void WindowSystem::collectDestroyedMenus(HMENU menu, std::vector<HMENU>& doomed) const {
  std::unordered_set<HMENU> seen{menu};
  doomed.push_back(menu);
  for (std::size_t i = 0; i < doomed.size(); ++i) {
    for (HMENU sub : menus_.at(doomed[i]).submenus) {
      if (seen.contains(sub)) continue;
      seen.insert(sub);
      doomed.push_back(sub);
    }
  }
  // Keep the submenus some surviving menu or window still shows, and what they hold.
  std::unordered_set<HMENU> keep;
  for (const auto& [handle, m] : menus_) {
    if (seen.contains(handle)) continue;
    for (HMENU sub : m.submenus)
      if (seen.contains(sub) && sub != menu) keep.insert(sub);
  }
  for (const auto& [handle, w] : windows_)
    if (seen.contains(w.menu) && w.menu != menu) keep.insert(w.menu);
  if (keep.empty()) return;
  std::vector<HMENU> stack(keep.begin(), keep.end());
  while (!stack.empty()) {
    HMENU kept = stack.back();
    stack.pop_back();
    for (HMENU sub : menus_.at(kept).submenus)
      if (keep.insert(sub).second) stack.push_back(sub);
  }
  std::erase_if(doomed, [&](HMENU m) { return keep.contains(m); });
}

void WindowSystem::releaseOrphanBrushes(const std::vector<HBRUSH>& candidates) {
  for (HBRUSH brush : candidates)
    if (!brushInUse(brush)) brushes_.erase(brush);
}

bool WindowSystem::destroyMenu(HMENU menu) {
  if (!menus_.contains(menu)) return false;
  std::vector<HMENU> doomed;
  collectDestroyedMenus(menu, doomed);
  std::unordered_set<HMENU> gone(doomed.begin(), doomed.end());
  std::vector<HBRUSH> brushes;
  for (HMENU m : doomed) {
    if (HBRUSH b = menus_.at(m).info.hbrBack) brushes.push_back(b);
    menus_.erase(m);
  }
  for (auto& [handle, m] : menus_) std::erase_if(m.submenus, [&](HMENU sub) { return gone.contains(sub); });
  for (auto& [handle, w] : windows_)
    if (gone.contains(w.menu)) w.menu = 0;
  releaseOrphanBrushes(brushes);
  for (HMENU m : doomed) notify([&](Listener& l) { l.menuDestroyed(m); });
  return true;
}

bool WindowSystem::attachMenu(HWND window, HMENU menu) {
  auto it = windows_.find(window);
  if (it == windows_.end() || (menu != 0 && !menus_.contains(menu))) return false;
  it->second.menu = menu;
  return true;
}

HMENU WindowSystem::menuOf(HWND window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? 0 : it->second.menu;
}

void WindowSystem::setMenuBackground(HMENU menu, HBRUSH brush, bool applyToSubmenus) {
  const std::vector<HMENU> menus = applyToSubmenus ? menuTree(menu) : std::vector<HMENU>{menu};
  for (HMENU m : menus) menus_.at(m).info.hbrBack = brush;
  for (HMENU m : menus) notify([&](Listener& l) { l.menuBackgroundChanged(m, brush); });
}

bool WindowSystem::brushInUse(HBRUSH brush) const {
  if (brush == 0) return false;
  return std::ranges::any_of(menus_, [&](const auto& m) { return m.second.info.hbrBack == brush; }) ||
         std::ranges::any_of(classes_, [&](const auto& c) { return c.second.background == brush; });
}

bool WindowSystem::setMenuInfo(HMENU menu, const MENUINFO& info) {
  auto it = menus_.find(menu);
  if (it == menus_.end() || info.cbSize != sizeof(MENUINFO)) return false;
  if (info.fMask & MIM_BACKGROUND)
    setMenuBackground(menu, info.hbrBack, (info.fMask & MIM_APPLYTOSUBMENUS) != 0);
  return true;
}

bool WindowSystem::getMenuInfo(HMENU menu, MENUINFO& info) const {
  auto it = menus_.find(menu);
  if (it == menus_.end() || info.cbSize != sizeof(MENUINFO)) return false;
  const std::uint32_t mask = info.fMask;
  info = it->second.info;
  info.fMask = mask;
  return true;
}

int WindowSystem::menuItemCount(HMENU menu) const {
  auto it = menus_.find(menu);
  return it == menus_.end() ? -1 : static_cast<int>(it->second.submenus.size());
}

HMENU WindowSystem::subMenu(HMENU menu, int position) const {
  auto it = menus_.find(menu);
  if (it == menus_.end() || position < 0) return 0;
  const auto& subs = it->second.submenus;
  return static_cast<std::size_t>(position) < subs.size() ? subs[static_cast<std::size_t>(position)] : 0;
}

// --- Listeners ---

void WindowSystem::addListener(Listener* listener) {
  if (listener && std::ranges::find(listeners_, listener) == listeners_.end()) listeners_.push_back(listener);
}

void WindowSystem::removeListener(Listener* listener) {
  if (notifying_ == 0) {
    std::erase(listeners_, listener);
    return;
  }
  std::ranges::replace(listeners_, listener, static_cast<Listener*>(nullptr));
}

}  // namespace palvex::win32
