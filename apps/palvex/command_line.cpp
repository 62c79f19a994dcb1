#include "command_line.h"

#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>
#include <string>

#include "commands.h"
#include "palvex/error.h"
#include "palvex/settings_store.h"
#include "user_error.h"

namespace palvex::cli {
namespace {

constexpr const char* kCommandNames = "list, show, set, remove, rename, export, import, check, render";

// Refusals are one line, whatever the message holds.
int refuse(std::string message) {
  for (char& c : message)
    if (c == '\n' || c == '\r') c = ' ';
  std::cout.flush();
  std::cerr << "palvex: " << message << '\n';
  return 1;
}

std::string parseFailure(const CLI::App& app, const CLI::ParseError& e) {
  const auto rest = app.remaining();
  if (app.get_subcommands().empty() && !rest.empty() && !rest.front().starts_with('-'))
    return "unknown command \"" + rest.front() + "\" (commands: " + kCommandNames + ")";
  return std::string(e.what()) + " (see palvex --help)";
}

struct Parsed {
  CLI::Option* store = nullptr;
  std::string storeText;
  CLI::App* list = nullptr;
  CLI::App* show = nullptr;
  CLI::App* set = nullptr;
  CLI::App* exportTheme = nullptr;
  CLI::App* importTheme = nullptr;
  ListOptions listOptions;
  ShowOptions showOptions;
  SetOptions setOptions;
  ExportOptions exportOptions;
  std::string exportFile;
  ImportOptions importOptions;
  std::string importFile;
  std::string importAs;
  CLI::Option* importAsOption = nullptr;
  CLI::App* remove = nullptr;
  RemoveOptions removeOptions;
  CLI::App* rename = nullptr;
  RenameOptions renameOptions;
  CLI::App* check = nullptr;
  CheckOptions checkOptions;
  CLI::App* render = nullptr;
  RenderOptions renderOptions;
};

void defineCommands(CLI::App& app, Parsed& p) {
  p.store = app.add_option("--store", p.storeText,
                           "Settings store file (default: $PALVEX_STORE, else "
                           "$XDG_CONFIG_HOME/orvane/settings.sqlite)");
  app.set_version_flag("--version", "palvex " PALVEX_VERSION, "Print the version and exit");
  app.require_subcommand(1);
  app.fallthrough();

  p.list = app.add_subcommand("list", "List the theme catalogue: index and name, in store order");
  p.list->add_flag("--json", p.listOptions.json, R"(Write JSON: [{"index": 0, "name": "Default"}, ...])");

  p.show = app.add_subcommand(
      "show", "Show every element of a theme: each property's value and where it came from (default, store, ini)");
  p.show->add_option("THEME", p.showOptions.theme, "Theme name (default: Default)");
  p.show->add_flag("--json", p.showOptions.json, "Write JSON instead of text");

  p.set = app.add_subcommand("set", "Set one property of one element of a theme and save the element");
  p.set->add_option("THEME", p.setOptions.theme, "Theme name, as in the catalogue")->required();
  p.set->add_option("ELEMENT", p.setOptions.element, "Element class: CCommandButton, CGrid, CText, ...")->required();
  p.set->add_option("PROPERTY", p.setOptions.property, "Property name (case does not matter)")->required();
  p.set->add_option("VALUE", p.setOptions.value,
                    "Decimal (signed), 0x... as a 32-bit pattern (0x8000000F), or #RRGGBB")
      ->required();
  p.set->add_flag("--create", p.setOptions.create,
                  "Add THEME to the catalogue when it is not there (index: highest + 1)");

  p.remove = app.add_subcommand("remove", "Remove a theme from the catalogue, and its values from the store");
  p.remove->add_option("THEME", p.removeOptions.theme, "Theme name, as in the catalogue")->required();

  p.rename = app.add_subcommand("rename", "Rename a theme; it keeps its index and its values move along");
  p.rename->add_option("OLD", p.renameOptions.from, "Theme name, as in the catalogue")->required();
  p.rename->add_option("NEW", p.renameOptions.to, "The new name")->required();

  p.exportTheme = app.add_subcommand("export", "Write a theme as an INI file in the layout of Orvane.ini");
  p.exportTheme->add_option("THEME", p.exportOptions.theme, "Theme name")->required();
  p.exportTheme->add_option("FILE", p.exportFile, "Output file (default: standard output)");

  p.importTheme = app.add_subcommand("import", "Save a theme from an INI file written by export (or an Orvane.ini)");
  p.importTheme->add_option("FILE", p.importFile, "INI file to read")->required();
  p.importAsOption = p.importTheme->add_option("--as", p.importAs, "Save under this theme name instead");

  p.check = app.add_subcommand("check", "List every text colour of a theme against what it is painted on, with its "
                                        "contrast ratio; exit status 1 when a pair is below 4.5:1");
  p.check->add_option("THEME", p.checkOptions.theme, "Theme name")->required();
  p.check->add_flag("--json", p.checkOptions.json, "Write JSON instead of text");

  p.render = app.add_subcommand("render", "Render the demo window (or the designer) in a theme to a PNG, "
                                          "without a display; --all renders every theme and a contact sheet");
  p.render->add_option("THEME", p.renderOptions.theme, "Theme name (not with --all)");
  p.render->add_flag("--all", p.renderOptions.all, "Every theme of the catalogue, plus contact-sheet.png");
  p.render->add_option("--out", p.renderOptions.out, "PNG file, or the directory for --all")->required();
  p.render->add_option("--size", p.renderOptions.size, "Window size WxH (default 1000x700; the designer keeps its own)");
  p.render->add_flag("--designer", p.renderOptions.designer, "Render the designer window instead of the demo");
}

void run(Parsed& p) {
  if (p.store->count() > 0 && p.storeText.empty()) throw UserError("--store needs a file name");
  const auto store = p.store->count() > 0 ? std::filesystem::path(p.storeText) : defaultStorePath();

  if (p.list->parsed()) return runList(store, p.listOptions, std::cout, std::cerr);
  if (p.show->parsed()) return runShow(store, p.showOptions, std::cout);
  if (p.set->parsed()) return runSet(store, p.setOptions, std::cout);
  if (p.remove->parsed()) return runRemove(store, p.removeOptions, std::cout);
  if (p.rename->parsed()) return runRename(store, p.renameOptions, std::cout);
  if (p.check->parsed()) return runCheck(store, p.checkOptions, std::cout);
  if (p.render->parsed()) return runRender(store, p.renderOptions, std::cout);
  if (p.exportTheme->parsed()) {
    if (!p.exportFile.empty()) p.exportOptions.file = p.exportFile;
    return runExport(store, p.exportOptions, std::cout);
  }
  p.importOptions.file = p.importFile;
  if (p.importAsOption->count() > 0) p.importOptions.as = p.importAs;
  runImport(store, p.importOptions, std::cout);
}

}  // namespace

int runCommandLine(int argc, char** argv) {
  try {
    CLI::App app{"Manage, inspect, export and import Palvex colour themes.", "palvex"};
    Parsed parsed;
    defineCommands(app, parsed);
    try {
      app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
      if (e.get_exit_code() == 0) return app.exit(e);  // --help
      return refuse(parseFailure(app, e));
    }
    run(parsed);
    std::cout.flush();
    if (!std::cout) return refuse("could not write to standard output");
    return 0;
  } catch (const UserError& e) {
    return refuse(e.what());
  } catch (const Error& e) {
    return refuse(std::string(e.what()) + " (error " + std::to_string(e.code()) + ")");
  } catch (const std::exception& e) {
    return refuse(e.what());
  } catch (...) {
    return refuse("unexpected failure");
  }
}

}  // namespace palvex::cli
