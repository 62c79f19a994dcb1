// Pictures of the demo: each sample theme shows its own values where the
// window paints them, whether rendered here, by palvex-demo or by palvex render.

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include "cli/cli_sandbox.h"
#include "demo_app.h"
#include "demo_render.h"
#include "demo_store.h"
#include "picture_probes.h"

namespace palvex::testing {
namespace {

// Without a display palvex-demo still shows what it would have shown: every
// theme, a contact sheet and the designer, as pictures in a new folder.
TEST(DemoPictures, WithoutADisplayPalvexDemoRendersEveryThemeAContactSheetAndTheDesigner) {
  TempDir dir;
  auto env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  env.insert("TMPDIR", QString::fromStdString(dir.path().string()));  // where the pictures folder goes
  QProcess program;
  program.setProcessEnvironment(env);
  program.start(PALVEX_DEMO_PATH, {"--size", "1000x700"});
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_TRUE(program.readAllStandardError().startsWith("palvex-demo: no display"));
  const QStringList files = QString::fromUtf8(program.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
  const QString out = files.value(0).section('/', 0, -2);
  EXPECT_TRUE(out.startsWith(QString::fromStdString(dir.path().string()) + "/palvex-demo-pictures-"));
  ASSERT_EQ(files, (QStringList{out + "/demo-alto-contraste.png", out + "/demo-claro.png", out + "/demo-oscuro.png",
                                out + "/demo-sepia.png", out + "/contact-sheet.png", out + "/designer.png"}));

  // The probes of the same window built in this process, laid out alike.
  auto store = demo::DemoStore::throwAway();
  demo::DemoApp demo("");
  ASSERT_EQ(demo.themes(), (QStringList{"Alto contraste", "Claro", "Oscuro", "Sepia"}));
  for (int i = 0; i < 4; ++i) {
    const QImage picture(files[i]);
    ASSERT_EQ(picture.size(), QSize(1000, 700));
    demo.chooseTheme(demo.themes()[i]);
    demo::renderWindow(&demo.window(), QSize(1000, 700));
    EXPECT_EQ(mismatches(picture, demoProbes(demo.window())), "") << files[i].toStdString();
  }
  // Two tiles a row, each 560 wide under a 34-pixel caption, 18 apart:
  // Oscuro's tile (second row, first column) ends in its blue status bar.
  const QRect statusBar(18 + 100, 18 + (34 + 392 + 18) + 34 + 384, 300, 4);
  EXPECT_EQ(dominantColour(QImage(files[4]), statusBar), QColor("#007acc"));
  EXPECT_FALSE(QImage(files[5]).isNull());

  program.start(PALVEX_DEMO_PATH, {"--theme", "Nada", "--render", out + "/x.png"});
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.exitCode(), 1);
  EXPECT_EQ(program.readAllStandardError().toStdString(),
            "palvex-demo: no theme \"Nada\" in the catalogue (themes: Alto contraste, Claro, Oscuro, Sepia)\n");
}

using RenderCommand = CliTest;

TEST_F(RenderCommand, RendersOneThemeAllThemesOrTheDesignerFromTheToolsStore) {
  for (const char* file : {"AltoContraste.ini", "Claro.ini", "Oscuro.ini", "Sepia.ini"})
    ok({"import", std::string(PALVEX_THEMES_DIR) + "/" + file});

  const auto shot = dir / "oscuro.png";
  EXPECT_EQ(ok({"render", "oscuro", "--out", shot.string(), "--size", "900x600"}), "Rendered:\n  " + shot.string() + "\n");
  const QImage picture(QString::fromStdString(shot.string()));
  ASSERT_EQ(picture.size(), QSize(900, 600));
  // Oscuro's own blue status bar: the theme, as the catalogue spells it, reached palvex-demo.
  EXPECT_EQ(dominantColour(picture, QRect(100, picture.height() - 8, 300, 4)), QColor("#007acc"));
  EXPECT_EQ(occurrences(ok({"render", "--all", "--out", at("todos")}), ".png\n"), 5u);

  const auto designer = dir / "designer.png";
  ok({"render", "Claro", "--designer", "--out", designer.string()});
  const QImage window(QString::fromStdString(designer.string()));
  ASSERT_FALSE(window.isNull());
  // The designer themes itself: its status bar, along the bottom, in Claro's colour.
  EXPECT_EQ(dominantColour(window, QRect(0, window.height() - 10, window.width(), 6)), QColor("#cfe0fc"));
}

TEST_F(RenderCommand, Refusals) {
  refused({"render", "Claro", "--out", at("x.png")}, "no settings store at " + store.string());
  ok({"import", std::string(PALVEX_THEMES_DIR) + "/Claro.ini"});
  refused({"render", "--out", at("x.png")}, "render needs a THEME, or --all for every theme");
  refused({"render", "Claro", "--all", "--out", at("x")}, "either a THEME or --all");
  refused({"render", "Claro", "--out", at("x.png"), "--size", "9x9"}, "--size \"9x9\"");
  refused({"render", "--all", "--designer", "--out", at("x")}, "--designer renders one theme");
  refused({"render", "Claro", "--out", at("no/such/dir/x.png")}, "cannot write");
  EXPECT_FALSE(std::filesystem::exists(at("x.png")));
}

}  // namespace
}  // namespace palvex::testing
