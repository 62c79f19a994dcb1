#pragma once
// The theme designer: a window in which a user recolours each kind of
// control on a live preview and saves the result as a combination.
//
// editarTema opens it once palvex::qt::install() has run; tools and tests may
// open it directly. Its two modal dialogs (the colour dialog and the input
// box) go through DesignerDialogs, so that a test or a host can answer them;
// its messages and yes/no questions go through palvex::sharedUtility().

#include <cstdint>
#include <memory>
#include <optional>

#include <QString>

#include "palvex/qt/export.h"

class QWidget;

namespace palvex::designer {

class PALVEX_QT_EXPORT DesignerDialogs {
 public:
  virtual ~DesignerDialogs() = default;
  // The colour chosen in the colour dialog as 0x00BBGGRR, or nullopt when the
  // user cancelled or the dialog failed. `initial` may be a system colour.
  virtual std::optional<std::int32_t> pickColor(QWidget* parent, std::int32_t initial);
  // The text typed on OK, or nullopt on Cancel.
  virtual std::optional<QString> inputBox(QWidget* parent, const QString& prompt, const QString& title,
                                          const QString& defaultText);
};

// The dialogs every designer window uses: QColorDialog and QInputDialog
// unless something else was installed.
PALVEX_QT_EXPORT DesignerDialogs& designerDialogs();
// Installs `dialogs` (nullptr restores the defaults); returns the previous one.
PALVEX_QT_EXPORT std::shared_ptr<DesignerDialogs> installDesignerDialogs(std::shared_ptr<DesignerDialogs> dialogs);

// Opens a new designer window: modeless, without an owner, deleted when it
// closes. It themes itself through the first Tema (creating one when the
// engine has none yet) and returns once the window is shown. Errors of the
// engine while the window themes itself reach the caller (no window stays).
// Requires a live QApplication.
PALVEX_QT_EXPORT QWidget* openDesigner();

}  // namespace palvex::designer
