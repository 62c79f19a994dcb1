// Following the store: this process is the host, palvex is the other process
// that saves the theme the host shows.

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>

#include <gtest/gtest.h>

#include "palvex/globales.h"
#include "palvex/qt/designer.h"
#include "palvex/qt/follow_store.h"
#include "palvex/qt/palvex_qt.h"
#include "palvex/settings_store.h"
#include "palvex/tema.h"
#include "cli/cli_sandbox.h"

namespace palvex::testing {
namespace {

// The fixture's palvex runs work on its store; this process reads the same
// override file.
class FollowStore : public CliTest {
 protected:
  FollowStore() {
    ok({"import", std::string(PALVEX_THEMES_DIR) + "/Claro.ini"});
    globales::resetEngine();
    installSettingsStore(openSqliteStore(store));
    tema = Tema::create();
    tema->setTema("Claro");
    window.setObjectName("frmHost");
    window.setCentralWidget(new QWidget);
    window.centralWidget()->setObjectName("pnlCentral");
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.resize(200, 120);
    window.show();
    tema->configurarFormulario(qt::object(&window));
  }
  ~FollowStore() override {
    qt::stopFollowingStore();
    installSettingsStore(makeMemoryStore());
    globales::resetEngine();
  }

  QColor formPixel() { return window.grab().toImage().pixelColor(100, 60); }

  // Runs the event loop until the form shows `colour`, for at most `ms`.
  bool showsWithin(const QColor& colour, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
      QApplication::processEvents(QEventLoop::AllEvents, 20);
      if (formPixel() == colour) return true;
    }
    return false;
  }

  ScopedEnv iniHere{"PALVEX_INI", ini.c_str()};
  std::shared_ptr<Tema> tema;
  QMainWindow window;
};

TEST_F(FollowStore, AnotherProcessSavingTheCurrentThemeRethemesTheOpenWindowWithinASecond) {
  ASSERT_EQ(formPixel(), QColor("#f2f4f7"));
  ASSERT_TRUE(qt::followStore());  // the engine's store file

  for (const char* colour : {"#a01020", "#103050"}) {  // still following after the first change
    ok({"set", "Claro", "CForm", "BackColor", colour});
    EXPECT_TRUE(showsWithin(QColor(colour), 1000)) << colour << " shows " << formPixel().name().toStdString();
  }
}

// An open designer's unsaved edits live in the shared elements: a save
// elsewhere waits until the designer is closed, then shows.
TEST_F(FollowStore, ASaveElsewhereWaitsUntilTheDesignerCloses) {
  ASSERT_TRUE(qt::followStore());
  QWidget* designer = designer::openDesigner();
  const auto form = globales::sharedForm();
  ok({"set", "Claro", "CForm", "BackColor", "#A01020"});
  EXPECT_FALSE(showsWithin(QColor("#a01020"), 600));
  EXPECT_EQ(globales::sharedForm(), form) << "the designer's elements stay";

  designer->close();  // unedited: it closes without asking, and is deleted
  EXPECT_TRUE(showsWithin(QColor("#a01020"), 1000)) << formPixel().name().toStdString();
}

}  // namespace
}  // namespace palvex::testing
