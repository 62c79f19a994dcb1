// "Actualizar" and "Terminar" through the window's menu.

#include <QCoreApplication>
#include <QPointer>

#include "designer/designer_fixture.h"
#include "palvex/elements.h"
#include "palvex/globales.h"
#include "palvex/settings.h"
#include "palvex/tema.h"

namespace palvex::testing {
namespace {

constexpr const char* kCreate = "Crear nueva combinacion";
constexpr const char* kLeave = "No ha guardado los cambios. ¿Realmente desea salir?";
// The section words in the order the ten elements write them.
constexpr const char* kWords[] = {"CHECK", "BUTTON", "FORM", "GRID", "LABEL", "STATUSBAR", "TOOLBAR", "TEXT", "SHAPE"};

std::string defaultOf(const ElementTable& table, std::size_t property) {
  return std::to_string(table.properties[property].defaultValue);
}

class SaveTest : public DesignerTest {
 protected:
  SaveTest() : tema_(Tema::create()) {}

  void catalogue(std::initializer_list<std::pair<const char*, const char*>> entries) {
    for (auto [key, name] : entries) store().write("Orvane", "Palvex", key, name);
  }
  SettingPairs section(const std::string& theme, const char* word) {
    return store().enumerate("Orvane", elementSection(theme, word));
  }
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

  std::shared_ptr<Tema> tema_;
};

TEST_F(SaveTest, DefaultNameAlreadyCataloguedIsOverwrittenWithoutAQuestion) {
  catalogue({{"0", "Default"}});
  open();
  edit("255");
  save(ScriptedDialogs::kTypeDefault);
  ASSERT_EQ(dialogs_->inputCalls.size(), 2u);
  EXPECT_EQ(dialogs_->inputCalls[1].prompt, QStringLiteral("Introduzca un nombre para la combinacion"));
  EXPECT_EQ(dialogs_->inputCalls[1].title, QStringLiteral("Guardar combinacion de colores"));
  EXPECT_EQ(dialogs_->inputCalls[1].defaultText, QStringLiteral("Default"));
  EXPECT_TRUE(utility_->questions.empty());
  for (const char* word : kWords) EXPECT_FALSE(section("Default", word).empty()) << word;
  EXPECT_EQ(stored("Default", "TEXT", "BackColor"), "255");
  // The tab strip shares the button section.
  EXPECT_EQ(stored("Default", "BUTTON", "TabBackColor"), std::to_string(globales::sharedTabStrip()->TabBackColor()));
  EXPECT_EQ(store().enumerate("Orvane", "Palvex").size(), 1u);
  EXPECT_FALSE(unsaved());
  EXPECT_EQ(window()->windowTitle(), QStringLiteral("Editor de Palvex (Tema Activo = Default)"));
}

TEST_F(SaveTest, DefaultNotYetCataloguedAsksAndAddsItFirst) {
  open();
  edit();
  utility_->answers.push_back(true);
  save(ScriptedDialogs::kTypeDefault);
  EXPECT_EQ(utility_->questions, std::vector<std::string>{kCreate});
  EXPECT_EQ(utility_->oddArguments, 0);
  EXPECT_EQ(store().enumerate("Orvane", "Palvex"), (SettingPairs{{"0", "Default"}}));
  EXPECT_EQ(stored("Default", "TEXT", "BackColor"), "255");
  EXPECT_FALSE(unsaved());
  EXPECT_EQ(tema_->getTema(), "Default");
}

TEST_F(SaveTest, NoToTheNewNameSavesNothingAndKeepsTheName) {
  open();
  edit();
  utility_->answers.push_back(false);
  save(QStringLiteral("Nuevo"));
  EXPECT_EQ(utility_->questions, std::vector<std::string>{kCreate});
  EXPECT_TRUE(store().enumerate("Orvane", "Palvex").empty());
  EXPECT_TRUE(section("Nuevo", "TEXT").empty());
  EXPECT_EQ(globales::currentThemeName(), "Default");
  EXPECT_TRUE(unsaved());
}

TEST_F(SaveTest, NewNameGoesAfterTheHighestIndexAndBecomesCurrent) {
  catalogue({{"0", "Default"}, {"1", "Oscuro"}, {"5", "Claro"}});
  open();
  utility_->answers.push_back(true);
  save(QStringLiteral("  Nuevo  "));
  EXPECT_EQ(store().read("Orvane", "Palvex", "6"), std::optional<std::string>("Nuevo"));
  EXPECT_EQ(globales::currentThemeName(), "Nuevo");
  EXPECT_EQ(tema_->getTema(), "Nuevo");
  EXPECT_FALSE(section("Nuevo", "SHAPE").empty());
  EXPECT_TRUE(section("  Nuevo  ", "SHAPE").empty());
}

TEST_F(SaveTest, ExistingNameInAnotherCaseOverwritesItUnderTheTypedName) {
  catalogue({{"0", "Default"}, {"1", "Oscuro"}});
  open();
  edit("77");
  save(QStringLiteral("OSCURO"));
  EXPECT_TRUE(utility_->questions.empty());
  EXPECT_EQ(store().enumerate("Orvane", "Palvex").size(), 2u);
  EXPECT_EQ(globales::currentThemeName(), "OSCURO");
  EXPECT_EQ(stored("Oscuro", "TEXT", "BackColor"), "77");
}

TEST_F(SaveTest, CancelOrBlanksSaveNothing) {
  const char* edits[] = {"1", "2"};
  int i = 0;
  for (const std::optional<QString>& typed : {std::optional<QString>(), std::optional<QString>(QStringLiteral("   "))}) {
    open();
    edit(edits[i++]);
    save(typed);
    EXPECT_TRUE(utility_->questions.empty());
    EXPECT_TRUE(utility_->messages.empty());
    EXPECT_TRUE(store().enumerate("Orvane", "Palvex").empty());
    EXPECT_TRUE(section("Default", "TEXT").empty());
    EXPECT_TRUE(unsaved());
    closeAllDesigners();
  }
}

TEST_F(SaveTest, SavingRaisesNoEventAndKeepsTheElements) {
  catalogue({{"0", "Default"}});
  int events = 0;
  tema_->connectNuevoTema([&](Variant&) { ++events; });
  open();
  edit("255");
  const auto text = globales::sharedText();
  utility_->answers.push_back(true);
  save(QStringLiteral("Otro"));
  EXPECT_EQ(events, 0);
  EXPECT_FALSE(globales::reloadElements());
  EXPECT_EQ(globales::sharedText(), text);
  EXPECT_EQ(text->BackColor(), 255);
}

// After a host setTema the accessors hand out fresh elements, and the save
// takes them after the typed name became current: they read that name's
// values, so the window's edit is not what lands.
TEST_F(SaveTest, AfterAHostSetTemaTheSaveWritesFreshElementsOfTheTypedName) {
  catalogue({{"0", "Default"}, {"1", "Oscuro"}});
  store().write("Orvane", "Palvex\\Oscuro\\TEXT", "BackColor", "4210752");
  open();
  edit("255");
  tema_->setTema("Oscuro");
  save(QStringLiteral("Oscuro"));
  EXPECT_TRUE(utility_->questions.empty());
  EXPECT_EQ(stored("Oscuro", "TEXT", "BackColor"), "4210752");
  EXPECT_EQ(stored("Oscuro", "LABEL", "foreColor"), defaultOf(CLabel::classTable(), CLabel::kForeColor));
  utility_->answers.push_back(true);
  save(QStringLiteral("Copia"));
  EXPECT_EQ(stored("Copia", "TEXT", "BackColor"), defaultOf(CText::classTable(), CText::kBackColor));
}

// A store that fails the write of one key, to see that a save is all or nothing.
class FailingStore final : public SettingsStore {
 public:
  FailingStore(std::shared_ptr<SettingsStore> inner, std::string failKey)
      : inner_(std::move(inner)), failKey_(std::move(failKey)) {}
  std::optional<std::string> read(std::string_view a, std::string_view s, std::string_view k) override {
    return inner_->read(a, s, k);
  }
  void write(std::string_view a, std::string_view s, std::string_view k, std::string_view v) override {
    if (k == failKey_) throw std::runtime_error("disk full");
    inner_->write(a, s, k, v);
  }
  SettingPairs enumerate(std::string_view a, std::string_view s) override { return inner_->enumerate(a, s); }
  bool erase(std::string_view a, std::string_view s, std::string_view k) override { return inner_->erase(a, s, k); }
  std::size_t eraseSection(std::string_view a, std::string_view s) override { return inner_->eraseSection(a, s); }
  void readTransaction(const std::function<void()>& body) override { inner_->readTransaction(body); }
  std::uint64_t changeToken() override { return inner_->changeToken(); }
  void transaction(const std::function<void()>& body) override { inner_->transaction(body); }
  std::string describe() const override { return "failing"; }

 private:
  std::shared_ptr<SettingsStore> inner_;
  std::string failKey_;
};

TEST_F(SaveTest, AFailingSaveLeavesTheStoreTheNameAndTheFlagAsTheyWere) {
  open();
  edit();
  installSettingsStore(std::make_shared<FailingStore>(store_, "CheckColor"));
  utility_->answers.push_back(true);
  save(QStringLiteral("Nuevo"));
  installSettingsStore(store_);
  ASSERT_EQ(utility_->messages.size(), 1u);
  EXPECT_NE(utility_->messages[0].find("disk full"), std::string::npos);
  EXPECT_TRUE(store().enumerate("Orvane", "Palvex").empty());
  EXPECT_TRUE(section("Nuevo", "CHECK").empty());
  EXPECT_EQ(globales::currentThemeName(), "Default");
  EXPECT_TRUE(unsaved());
}

TEST_F(SaveTest, AFullCatalogueIsRefusedWithAMessage) {
  catalogue({{"32767", "Ultimo"}});
  open();
  utility_->answers.push_back(true);
  save(QStringLiteral("Nuevo"));
  ASSERT_EQ(utility_->messages.size(), 1u);
  EXPECT_NE(utility_->messages[0].find("32767"), std::string::npos);
  EXPECT_EQ(store().enumerate("Orvane", "Palvex").size(), 1u);
  EXPECT_EQ(globales::currentThemeName(), "Default");
}

TEST_F(SaveTest, TerminarAsksOnlyAfterAnUnsavedEdit) {
  catalogue({{"0", "Default"}});
  open();
  EXPECT_TRUE(closeWindow());  // nothing edited
  EXPECT_TRUE(utility_->questions.empty());

  open();
  edit("1");
  utility_->answers.push_back(false);
  EXPECT_FALSE(closeWindow());
  EXPECT_EQ(utility_->questions, std::vector<std::string>{kLeave});
  EXPECT_TRUE(window()->isVisible());

  save(ScriptedDialogs::kTypeDefault);
  EXPECT_TRUE(closeWindow());
  EXPECT_EQ(utility_->questions.size(), 1u);

  open();
  edit("2");
  utility_->answers.push_back(true);
  EXPECT_TRUE(closeWindow());
  EXPECT_EQ(utility_->questions.size(), 2u);
  // The unsaved edit stays in the shared element.
  EXPECT_EQ(globales::sharedText()->BackColor(), 2);

  // The window's own close control does not ask.
  open();
  edit("3");
  window()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window() == nullptr);
  EXPECT_EQ(utility_->questions.size(), 2u);
}

}  // namespace
}  // namespace palvex::testing
