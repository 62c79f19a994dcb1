#pragma once
// The engine's process-wide state as a binding, a designer or a tool sees it:
// the ten shared element instances and the few values every Tema shares.
// One copy per process, used on the host's user-interface thread only.

#include "palvex/export.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace palvex {

class Tema;
class Element;
class CCommandButton;
class CGrid;
class CText;
class CTabStrip;
class CCheckBox;
class CLabel;
class CToolBar;
class CStatusBar;
class CForm;
class CShape;

namespace globales {

// The shared elements. Each accessor creates its element on first use and
// afresh on every call while reloadElements() is set; when a creation fails
// the slot keeps its previous element and the error reaches the caller.
PALVEX_EXPORT std::shared_ptr<CCommandButton> sharedButton();
PALVEX_EXPORT std::shared_ptr<CGrid> sharedGrid();
PALVEX_EXPORT std::shared_ptr<CText> sharedText();
PALVEX_EXPORT std::shared_ptr<CTabStrip> sharedTabStrip();
PALVEX_EXPORT std::shared_ptr<CCheckBox> sharedCheckBox();
PALVEX_EXPORT std::shared_ptr<CLabel> sharedLabel();
PALVEX_EXPORT std::shared_ptr<CToolBar> sharedToolBar();
PALVEX_EXPORT std::shared_ptr<CStatusBar> sharedStatusBar();
PALVEX_EXPORT std::shared_ptr<CForm> sharedForm();
PALVEX_EXPORT std::shared_ptr<CShape> sharedShape();
// The shared element of the class named `className` ("CText"; case-blind),
// through its accessor. Error 5 naming the valid names for any other name.
PALVEX_EXPORT std::shared_ptr<Element> sharedElement(std::string_view className);

// The name element values are read and written under. Setting it here is the
// designer's save step: no NuevoTema, no reload (Tema::setTema does both).
PALVEX_EXPORT std::string currentThemeName();
PALVEX_EXPORT void setCurrentThemeName(std::string name);

// While set, every accessor call creates a fresh element. Tema::setTema sets
// it; the designer clears it once its window is themed.
PALVEX_EXPORT bool reloadElements();
PALVEX_EXPORT void setReloadElements(bool reload);

// The first Tema (the one created while no theme name was set); null before.
PALVEX_EXPORT std::shared_ptr<Tema> firstTema();
// The back colour the form element last gave a form (0 before any).
PALVEX_EXPORT std::int32_t formBackColorCache();

// Everything above back to its state at library load: no theme name, no
// first Tema, no shared elements, the flag clear, the cache 0. For tests and
// tools that run independent sessions in one process.
PALVEX_EXPORT void resetEngine();

}  // namespace globales
}  // namespace palvex
