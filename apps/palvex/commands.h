#pragma once
// The subcommands, apart from their command-line syntax (command_line.cpp).
// Each writes its result to `out` and throws on refusal: UserError for bad
// input, palvex::Error for what the engine or the store reports.

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace palvex::cli {

struct ListOptions {
  bool json = false;
};
// Entries whose key is not a 16-bit index are left out, with a warning on `err`.
void runList(const std::filesystem::path& store, const ListOptions& options, std::ostream& out, std::ostream& err);

struct ShowOptions {
  std::string theme = "Default";
  bool json = false;
};
void runShow(const std::filesystem::path& store, const ShowOptions& options, std::ostream& out);

struct SetOptions {
  std::string theme;
  std::string element;
  std::string property;
  std::string value;
  bool create = false;
};
void runSet(const std::filesystem::path& store, const SetOptions& options, std::ostream& out);

struct ExportOptions {
  std::string theme;
  std::optional<std::filesystem::path> file;  // stdout when absent
};
void runExport(const std::filesystem::path& store, const ExportOptions& options, std::ostream& out);

struct RemoveOptions {
  std::string theme;
};
// Removes the catalogue entry and the theme's values.
void runRemove(const std::filesystem::path& store, const RemoveOptions& options, std::ostream& out);

struct RenameOptions {
  std::string from;
  std::string to;
};
// Renames a theme, keeping its index; its values move along.
void runRename(const std::filesystem::path& store, const RenameOptions& options, std::ostream& out);

struct ImportOptions {
  std::filesystem::path file;
  std::optional<std::string> as;
};
void runImport(const std::filesystem::path& store, const ImportOptions& options, std::ostream& out);

struct CheckOptions {
  std::string theme;
  bool json = false;
};
// Lists every colour pair; throws UserError after the listing when one is under 4.5:1.
void runCheck(const std::filesystem::path& store, const CheckOptions& options, std::ostream& out);

struct RenderOptions {
  std::string theme;  // empty with `all`
  bool all = false;
  std::filesystem::path out;  // a PNG file, or a directory with `all`
  std::string size;           // "WxH", empty for the demo's default
  bool designer = false;
};
// Runs palvex-demo (next to this program) to render PNGs of the themed demo window.
void runRender(const std::filesystem::path& store, const RenderOptions& options, std::ostream& out);

}  // namespace palvex::cli
