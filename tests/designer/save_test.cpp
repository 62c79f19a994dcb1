// "Actualizar" and "Terminar" through the window's menu.

#include <QCoreApplication>

#include <memory>
#include <stdexcept>

#include "designer/designer_fixture.h"
#include "support/watched_store.h"
#include "palvex/elements.h"
#include "palvex/globales.h"
#include "palvex/settings.h"

namespace palvex::testing {
namespace {

constexpr const char* kCreate = "Crear nueva combinacion";
constexpr const char* kLeave = "No ha guardado los cambios. ¿Realmente desea salir?";

class SaveTest : public DesignerTest {
 protected:
  // An edit through the grid: the text element's BackColor typed as `value`.
  void edit(const char* value = "255") {
    trigger("MC_TEXT");
    dialogs_->inputs.push_back(QString::fromLatin1(value));
    clickCell(rowOf("BackColor"), 1);
  }
  void save(std::optional<QString> typed) {
    dialogs_->inputs.push_back(std::move(typed));
    trigger("MC_UPDATE");
  }
  std::string stored(const std::string& theme, const char* word, const char* key) {
    return store().read("Orvane", elementSection(theme, word), key).value_or("<none>");
  }
  bool closeWindow() {
    trigger("MC_CLOSE");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window() == nullptr;
  }
};

// The name typed on "Actualizar", and what the store, the current name and
// the window's unsaved flag then hold. The window's edit is BackColor 255.
// What a save writes, and that it raises no event and keeps the elements,
// is the catalogue's; the box offers the current name, the caption stays.
struct SaveName : NamedRow {
  SettingPairs catalogue;
  std::optional<QString> typed;          // nullopt: Cancel
  std::optional<bool> answer;            // to the question, when one is asked
  SettingPairs catalogueAfter;
  const char* savedAs;                   // the theme whose sections hold the edit, nullptr: none
  const char* current;
};

class SaveNameTest : public SaveTest, public ::testing::WithParamInterface<SaveName> {};

TEST_P(SaveNameTest, LandsAsTheCatalogueSays) {
  const SaveName& row = GetParam();
  for (const auto& [key, name] : row.catalogue) store().write("Orvane", "Palvex", key, name);
  open();
  edit("255");
  if (row.answer) utility_->answers.push_back(*row.answer);
  save(row.typed);
  ASSERT_EQ(dialogs_->inputDefaults.size(), 2u);
  EXPECT_EQ(dialogs_->inputDefaults[1], QStringLiteral("Default")) << "the name box offers the current name";
  EXPECT_EQ(utility_->questions, row.answer ? std::vector<std::string>{kCreate} : std::vector<std::string>{});
  EXPECT_TRUE(utility_->messages.empty());
  EXPECT_EQ(store().enumerate("Orvane", "Palvex"), row.catalogueAfter);
  if (row.savedAs) {
    EXPECT_EQ(stored(row.savedAs, "TEXT", "BackColor"), "255");
  } else {
    for (const char* theme : {"Default", "Nuevo"})
      EXPECT_TRUE(store().enumerate("Orvane", elementSection(theme, "TEXT")).empty()) << theme;
  }
  EXPECT_EQ(tema_->getTema(), row.current);
  EXPECT_EQ(unsaved(), row.savedAs == nullptr);
}

// Which index a new name takes and what a full catalogue says are the
// catalogue's own; here, when the window asks and what it saves under.
const SaveName kSaveNames[] = {
    {{"default catalogued, no question"}, {{"0", "Default"}}, QStringLiteral("Default"), std::nullopt,
     {{"0", "Default"}}, "Default", "Default"},
    {{"no to a new name"}, {}, QStringLiteral("Nuevo"), false, {}, nullptr, "Default"},
    {{"new name, blanks trimmed"}, {{"0", "Default"}, {"1", "Oscuro"}}, QStringLiteral("  Nuevo  "), true,
     {{"0", "Default"}, {"1", "Oscuro"}, {"2", "Nuevo"}}, "Nuevo", "Nuevo"},
    {{"only blanks saves nothing"}, {}, QStringLiteral("   "), std::nullopt, {}, nullptr, "Default"},
};
INSTANTIATE_TEST_SUITE_P(Names, SaveNameTest, ::testing::ValuesIn(kSaveNames), RowName());

// A save that fails part way must not pass for done: the user is told why,
// and the window still counts its edit as unsaved so "Terminar" asks.
TEST_F(SaveTest, AFailingSaveSaysWhyAndKeepsTheUnsavedFlag) {
  open();
  edit();
  auto failing = std::make_shared<WatchedStore>(store_);
  failing->beforeWrite = [](const WatchedStore::Write& w) {
    if (w.key == "CheckColor") throw std::runtime_error("disk full");
  };
  installSettingsStore(failing);
  utility_->answers.push_back(true);
  save(QStringLiteral("Nuevo"));
  installSettingsStore(store_);
  ASSERT_EQ(utility_->messages.size(), 1u);
  EXPECT_NE(utility_->messages[0].find("disk full"), std::string::npos) << utility_->messages[0];
  EXPECT_TRUE(unsaved());
}

TEST_F(SaveTest, TerminarAsksOnlyAfterAnUnsavedEdit) {
  open();
  EXPECT_TRUE(closeWindow());  // nothing edited
  EXPECT_TRUE(utility_->questions.empty());

  open();
  edit("2");
  utility_->answers.push_back(false);
  EXPECT_FALSE(closeWindow());
  EXPECT_EQ(utility_->questions, std::vector<std::string>{kLeave});
  EXPECT_TRUE(window()->isVisible());
  utility_->answers.push_back(true);
  EXPECT_TRUE(closeWindow());
  EXPECT_EQ(utility_->questions.size(), 2u);
  // The unsaved edit stays in the shared element.
  EXPECT_EQ(globales::sharedText()->BackColor(), 2);
}

}  // namespace
}  // namespace palvex::testing
