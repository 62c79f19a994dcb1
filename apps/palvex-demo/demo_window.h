#pragma once
// The demo's business window: a customer and its invoice, built from stock Qt
// widgets and the suite's own controls, every widget named. It knows nothing
// of the engine: it offers the catalogue in a theme chooser and says when the
// user picks a theme or asks for the designer; whoever owns it themes it.

#include <QMainWindow>
#include <QStringList>

class QActionGroup;
class QComboBox;
class QMenu;

namespace palvex::demo {

class DemoWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit DemoWindow(QWidget* parent = nullptr);

  // Fills the theme chooser (toolbar combo and menu) and marks `current`.
  void setThemes(const QStringList& names, const QString& current);
  // Marks `name` as the current theme in the chooser and the status bar.
  void showCurrentTheme(const QString& name);

 signals:
  void themeChosen(const QString& name);
  void editThemeRequested();
  // The window became active: the catalogue may have changed meanwhile.
  void activated();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void buildMenus();
  void buildToolBar();
  void buildStatusBar();
  QWidget* buildCustomer();
  QWidget* buildInvoice();
  QWidget* buildDetail();
  QWidget* buildTotals();

  QAction* newAction_ = nullptr;
  QAction* saveAction_ = nullptr;
  QAction* printAction_ = nullptr;
  QAction* editThemeAction_ = nullptr;
  QComboBox* themeCombo_ = nullptr;
  QMenu* themeMenu_ = nullptr;
  QActionGroup* themeGroup_ = nullptr;
};

}  // namespace palvex::demo
