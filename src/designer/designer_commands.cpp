// "Actualizar" saves the ten shared elements as a named combination;
// "Terminar" closes the window, asking first when an edit is unsaved.

#include <string>

#include "designer/designer_text.h"
#include "designer/frm_designer.h"
#include "palvex/catalogue.h"
#include "palvex/globales.h"
#include "palvex/qt/designer.h"
#include "palvex/shared_utility.h"
#include "palvex/tema.h"

namespace palvex::designer::detail {
namespace {

// Blanks removed from both ends, as a name typed into the box is saved.
std::string trimBlanks(const QString& text) {
  const std::string s = text.toStdString();
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

void FrmDesigner::actualizar() {
  const std::shared_ptr<Tema> queries = Tema::create();  // for the catalogue query
  const std::optional<QString> answer =
      designerDialogs().inputBox(this, QString::fromUtf8(kNamePrompt), QString::fromUtf8(kNameTitle),
                                 QString::fromStdString(globales::currentThemeName()));
  const std::string name = trimBlanks(answer.value_or(QString()));
  if (name.empty()) return;

  const bool isNew = queries->indiceTema(name) < 0;
  if (isNew && !sharedUtility().askConfirmation(kCreateQuestion, 0, "")) return;

  // The typed name becomes current even when it matched an existing theme in
  // another capitalisation: the store matches sections without regard to case.
  // A save that fails lands nothing and keeps the theme name the engine had.
  catalogue::saveCombination(name, isNew);
  unsavedChanges_ = false;
}

void FrmDesigner::terminar() {
  if (unsavedChanges_ && !sharedUtility().askConfirmation(kLeaveQuestion, 0, "")) return;
  hide();
  close();
}

}  // namespace palvex::designer::detail
