// Pictures of the demo: each sample theme shows its own values where the
// window paints them, whether rendered here, by palvex-demo or by palvex render.

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStatusBar>

#include <gtest/gtest.h>

#include "cli/cli_sandbox.h"
#include "demo_app.h"
#include "demo_render.h"
#include "demo_store.h"
#include "picture_probes.h"

namespace palvex::testing {
namespace {

using demo::DemoApp;
using demo::DemoStore;

const QStringList kSampleThemes = {"Alto contraste", "Claro", "Oscuro", "Sepia"};

// The probes of the demo window laid out at `size` in `theme`, found in a
// window of this process built as palvex-demo builds it.
std::vector<Probe> probesFor(DemoApp& demo, const QString& theme, QSize size) {
  demo.chooseTheme(theme);
  demo::renderWindow(&demo.window(), size);
  return demoProbes(demo.window());
}

QStringList lines(const QByteArray& output) {
  return QString::fromUtf8(output).split('\n', Qt::SkipEmptyParts);
}

TEST(DemoPictures, PalvexDemoRendersEveryThemeAndAContactSheet) {
  TempDir dir;
  const QString out = QString::fromStdString((dir / "shots").string());
  QProcess program;
  program.start(PALVEX_DEMO_PATH, {"--render-all", out, "--size", "1000x700"});
  ASSERT_TRUE(program.waitForFinished(60000));
  ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
  const QStringList expected = {out + "/demo-alto-contraste.png", out + "/demo-claro.png", out + "/demo-oscuro.png",
                                out + "/demo-sepia.png", out + "/contact-sheet.png"};
  EXPECT_EQ(lines(program.readAllStandardOutput()), expected);

  auto store = DemoStore::throwAway();
  DemoApp demo("");
  EXPECT_EQ(demo.themes(), kSampleThemes);
  for (int i = 0; i < kSampleThemes.size(); ++i) {
    SCOPED_TRACE(kSampleThemes[i].toStdString());
    const QImage picture(expected[i]);
    ASSERT_EQ(picture.size(), QSize(1000, 700));
    EXPECT_EQ(mismatches(picture, probesFor(demo, kSampleThemes[i], QSize(1000, 700))), "");
  }
  // The expectations come from the engine; pin one theme to its file.
  const auto probes = probesFor(demo, "Oscuro", QSize(1000, 700));
  EXPECT_EQ(probes[0].expected, QColor("#252526"));  // FORM BackColor=2499877
  EXPECT_EQ(probes[5].expected, QColor("#007acc"));  // STATUSBAR BackColor=13400576

  // Two tiles a row, each 560 wide under a 34-pixel caption, 18 apart.
  const QImage sheet(expected[4]);
  EXPECT_EQ(sheet.size(), QSize(18 + 2 * (560 + 18), 18 + 2 * (34 + 392 + 18)));
  // Oscuro's tile (second row, first column) ends in its blue status bar.
  const QRect statusBar(18 + 100, 18 + (34 + 392 + 18) + 34 + 384, 300, 4);
  EXPECT_EQ(dominantColour(sheet, statusBar), QColor("#007acc"));
}

TEST(DemoPictures, WithoutADisplayTheDemoRendersEveryThemeAndTheDesignerInsteadAndRefusesUnknownThemes) {
  TempDir dir;
  auto env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  env.insert("TMPDIR", QString::fromStdString(dir.path().string()));  // where the pictures folder goes
  QProcess program;
  program.setProcessEnvironment(env);
  program.start(PALVEX_DEMO_PATH, {"--theme", "sepia"});
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.exitCode(), 0);
  const QStringList files = lines(program.readAllStandardOutput());
  ASSERT_EQ(files.size(), 6) << files.join(' ').toStdString();
  EXPECT_TRUE(files[0].startsWith(QString::fromStdString(dir.path().string()) + "/palvex-demo-pictures-"));
  EXPECT_TRUE(files[4].endsWith("/contact-sheet.png"));
  EXPECT_TRUE(files[5].endsWith("/designer.png"));
  for (const QString& file : files) EXPECT_FALSE(QImage(file).isNull()) << file.toStdString();
  EXPECT_TRUE(program.readAllStandardError().startsWith("palvex-demo: no display"));

  program.start(PALVEX_DEMO_PATH, {"--theme", "Nada", "--render", QString::fromStdString((dir / "x.png").string())});
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

  const auto all = ok({"render", "--all", "--out", at("todos")});
  EXPECT_TRUE(all.starts_with("Rendered every theme of " + store.string() + ":\n")) << all;
  EXPECT_EQ(occurrences(all, ".png\n"), 5u);

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
