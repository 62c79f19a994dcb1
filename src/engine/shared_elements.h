#pragma once
// The ten shared element accessors. Each creates its element on first use and
// afresh on every call while reloadElements is set; when a creation fails the
// slot keeps its previous element and the error reaches the caller.

#include <memory>

namespace palvex {

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

std::shared_ptr<CCommandButton> sharedButton();
std::shared_ptr<CGrid> sharedGrid();
std::shared_ptr<CText> sharedText();
std::shared_ptr<CTabStrip> sharedTabStrip();
std::shared_ptr<CCheckBox> sharedCheckBox();
std::shared_ptr<CLabel> sharedLabel();
std::shared_ptr<CToolBar> sharedToolBar();
std::shared_ptr<CStatusBar> sharedStatusBar();
std::shared_ptr<CForm> sharedForm();
std::shared_ptr<CShape> sharedShape();

}  // namespace globales
}  // namespace palvex
