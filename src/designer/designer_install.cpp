// Opening a designer window, and the dialogs every window asks through.

#include "designer/designer_install.h"

#include <QColorDialog>
#include <QInputDialog>

#include "designer/frm_designer.h"
#include "palvex/system_colours.h"

namespace palvex::designer {
namespace {

std::shared_ptr<DesignerDialogs>& installedDialogs() {
  static std::shared_ptr<DesignerDialogs> dialogs = std::make_shared<DesignerDialogs>();
  return dialogs;
}

QColor toQColor(std::int32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

std::int32_t toColourValue(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

}  // namespace

std::optional<std::int32_t> DesignerDialogs::pickColor(QWidget* parent, std::int32_t initial) {
  const QColor start = toQColor(resolveColour(initial).value_or(0));
  const QColor chosen = QColorDialog::getColor(start, parent, QStringLiteral("Color"));
  if (!chosen.isValid()) return std::nullopt;
  return toColourValue(chosen);
}

std::optional<QString> DesignerDialogs::inputBox(QWidget* parent, const QString& prompt, const QString& title,
                                                 const QString& defaultText) {
  bool ok = false;
  QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
  if (!ok) return std::nullopt;
  return text;
}

DesignerDialogs& designerDialogs() { return *installedDialogs(); }

std::shared_ptr<DesignerDialogs> installDesignerDialogs(std::shared_ptr<DesignerDialogs> dialogs) {
  std::shared_ptr<DesignerDialogs> previous = installedDialogs();
  installedDialogs() = dialogs ? std::move(dialogs) : std::make_shared<DesignerDialogs>();
  return previous;
}

QWidget* openDesigner() {
  auto* window = new detail::FrmDesigner;
  window->setAttribute(Qt::WA_DeleteOnClose);
  try {
    window->load();
  } catch (...) {
    delete window;
    throw;
  }
  window->show();
  return window;
}

}  // namespace palvex::designer
