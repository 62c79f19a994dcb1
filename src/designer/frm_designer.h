#pragma once
// frmDesigner: the editor window. A menu of the ten elements (and the
// form's menu colour), a preview of sample controls coloured by the engine,
// a property grid that edits the chosen shared element in memory, and the
// commands that save the combination and close the window.
//
// The window edits the process-wide shared elements; several windows may be
// open at once, and each follows the changes of the shared elements' values,
// so that an edit made in one shows in the grids and previews of all.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <QHash>
#include <QMainWindow>

#include "palvex/element.h"
#include "palvex/qt/follow_store.h"
#include "palvex/system_colours.h"

class QTableWidget;

namespace palvex {
class Tema;
}

namespace palvex::designer::detail {

class FrmDesigner final : public QMainWindow {
  Q_OBJECT
  // For tests and tools: what the window holds, as a user would learn it
  // from the grid and from the question "Terminar" asks.
  Q_PROPERTY(bool unsavedChanges READ unsavedChanges)
  Q_PROPERTY(QString currentElement READ currentElementName)

 public:
  FrmDesigner();
  ~FrmDesigner() override;

  // The load step: themes the window through the first Tema, then keeps the
  // shared elements stable, shows the current theme in the caption and fills
  // the samples that are filled at load. Errors of the engine reach the caller.
  void load();

  bool unsavedChanges() const { return unsavedChanges_; }
  // The class name of the element the grid shows; empty before a selection.
  QString currentElementName() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // frm_designer.cpp: structure, selection, preview.
  void buildMenus();
  void watchSamples();
  bool sampleEvent(QObject* watched, QEvent* event);
  void selectElement(std::string_view className);
  void refreshPreview(Element& element);
  void applySample(const char* name);
  QWidget* sample(const char* name) const;
  std::shared_ptr<Tema> engine() const;
  // A value of an element changed, here or anywhere else in the process.
  void elementChanged(const Element& element, std::size_t index);
  // Runs a user action; a failure is shown as a message and ends the action.
  void guarded(const std::function<void()>& action);
  void report(const std::string& what);

  // designer_grid.cpp: the property grid.
  void setUpPropertyGrid();
  void loadPropertyGrid();
  void gridClicked(int row, int column);
  bool gridKey(QEvent* event);
  std::int32_t pickColor(std::int32_t initial);
  std::optional<std::int32_t> askNumber(int row);
  void showValue(int row, const DescriptorPropiedad& descriptor);
  void showValueOf(std::size_t index);

  // designer_commands.cpp: "Actualizar" and "Terminar".
  void actualizar();
  void terminar();

  std::shared_ptr<Tema> fallbackTema_;
  std::shared_ptr<Element> currentElement_;
  bool unsavedChanges_ = false;
  QTableWidget* properties_ = nullptr;

  struct Selection {
    const char* elementClass;
    bool onFocus;  // entering the control counts as clicking it
  };
  QHash<QObject*, Selection> selectors_;
  SystemColourListenerId systemColourListener_ = 0;
  ValueObserverId valueObserver_ = 0;
  bool editing_ = false;  // this window is writing an edit into its element
  // A save elsewhere must not reload the elements under this window's edits.
  qt::StoreFollowingHold followingHold_;
};

}  // namespace palvex::designer::detail
