#pragma once
// The host suite's utility component: where the INI override file lives, and
// the designer's message and yes/no question. A toolkit binding or a test
// installs its own; the default one works without any toolkit.

#include "palvex/export.h"

#include <memory>
#include <string>

namespace palvex {

class PALVEX_EXPORT SharedUtility {
 public:
  virtual ~SharedUtility() = default;
  // Full path of the INI file `fileName` ("Orvane.ini") of application `appName`.
  virtual std::string iniPath(std::string& fileName, std::string& appName) = 0;
  // Shows `message`; returns once the user has dismissed it.
  virtual void showMessage(const std::string& message) = 0;
  // Asks `question`; true when the user answers yes. The system always passes
  // 0 and "" as the last two arguments.
  virtual bool askConfirmation(const std::string& question, int buttons, const std::string& title) = 0;
};

// The default: iniPath returns $PALVEX_INI when set; otherwise the first
// existing of $XDG_CONFIG_HOME/orvane/<fileName> and <dir>/orvane/<fileName>
// for each dir of $XDG_CONFIG_DIRS (default /etc/xdg); otherwise the user's
// path. Messages go to stderr; questions are asked on the terminal (no
// terminal: no).
PALVEX_EXPORT std::shared_ptr<SharedUtility> makeDefaultSharedUtility();

// The process-wide instance, created on first use.
PALVEX_EXPORT SharedUtility& sharedUtility();
// Installs `utility` (nullptr restores the default); returns the previous one.
PALVEX_EXPORT std::shared_ptr<SharedUtility> installSharedUtility(std::shared_ptr<SharedUtility> utility);

}  // namespace palvex
