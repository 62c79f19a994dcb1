// palvex check: every colour pair a theme paints together, with its contrast
// ratio; a pair under 4.5:1 makes the command fail after the listing.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue.h"
#include "colour_format.h"
#include "commands.h"
#include "json_writer.h"
#include "palvex/contrast.h"
#include "palvex/tema.h"
#include "store_session.h"

namespace palvex::cli {
namespace {

std::string padded(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string colourName(const ThemeColourRef& ref) {
  return std::string(ref.className) + "." + std::string(ref.property);
}

std::string ratioText(const ContrastCheck& check) {
  return check.ratio ? formatRatio(*check.ratio) : "no colour";
}

// "Aa" in the pair's own colours, for terminals that show 24-bit colour.
std::string sample(const ContrastCheck& check) {
  const auto fg = displayRgb(check.foreground);
  const auto bg = displayRgb(check.background);
  if (!fg || !bg) return "    ";
  char buffer[80];
  std::snprintf(buffer, sizeof buffer, "\x1b[38;2;%u;%u;%um\x1b[48;2;%u;%u;%um Aa \x1b[0m", unsigned{fg->r},
                unsigned{fg->g}, unsigned{fg->b}, unsigned{bg->r}, unsigned{bg->g}, unsigned{bg->b});
  return buffer;
}

void writeText(const std::string& theme, const std::vector<ContrastCheck>& checks, std::ostream& out) {
  const bool samples = stdoutIsTrueColourTerminal();
  std::size_t idWidth = 0, fgWidth = 0, bgWidth = 0;
  for (const auto& check : checks) {
    idWidth = std::max(idWidth, check.pair->id.size());
    fgWidth = std::max(fgWidth, colourName(check.pair->foreground).size());
    bgWidth = std::max(bgWidth, colourName(check.pair->background).size());
  }
  out << "Theme \"" << theme << "\": text colours against what they are painted on (at least 4.5:1)\n\n";
  for (const auto& check : checks) {
    std::string line = "  " + padded(std::string(check.pair->id), idWidth) + "  ";
    line += padded(colourName(check.pair->foreground), fgWidth) + " " + padded(hexColour(check.foreground), 10);
    line += " on  " + padded(colourName(check.pair->background), bgWidth) + " " +
            padded(hexColour(check.background), 10);
    if (samples) line += " " + sample(check);
    const auto ratio = ratioText(check);
    line += " " + std::string(ratio.size() < 9 ? 9 - ratio.size() : 0, ' ') + ratio;
    if (!check.passes()) line += "  FAIL";
    out << line << '\n';
  }
}

// JsonWriter has no numbers with decimals nor booleans; the few members that
// need them are spliced in as literal text.
void writeJson(const std::string& theme, const std::vector<ContrastCheck>& checks, std::size_t failing,
               std::ostream& out) {
  auto colour = [](const ThemeColourRef& ref, std::int32_t value) {
    JsonWriter json;
    json.beginObject().key("class").value(ref.className).key("property").value(ref.property);
    json.key("value").value(std::int64_t{value}).endObject();
    return json.str();
  };
  std::string text = "{\"theme\": " + jsonQuote(theme) + ", \"minimum\": 4.5, \"pairs\": [";
  for (std::size_t i = 0; i < checks.size(); ++i) {
    const auto& check = checks[i];
    std::string ratio = check.ratio ? formatRatio(*check.ratio) : "null";
    if (check.ratio) ratio.resize(ratio.size() - 2);  // drop ":1"
    if (i > 0) text += ", ";
    text += "{\"id\": " + jsonQuote(check.pair->id) + ", \"what\": " + jsonQuote(check.pair->what);
    text += ", \"foreground\": " + colour(check.pair->foreground, check.foreground);
    text += ", \"background\": " + colour(check.pair->background, check.background);
    text += ", \"ratio\": " + ratio + ", \"pass\": " + (check.passes() ? "true" : "false") + "}";
  }
  text += "], \"failing\": " + std::to_string(failing) + "}";
  out << text << '\n';
}

}  // namespace

void runCheck(const std::filesystem::path& store, const CheckOptions& options, std::ostream& out) {
  useStore(store, StoreUse::Read);
  auto tema = Tema::create();
  const auto theme = themeToRead(options.theme);
  tema->setTema(theme);
  const auto checks = checkLoadedTheme();

  std::vector<std::string> failing;
  for (const auto& check : checks)
    if (!check.passes()) failing.emplace_back(check.pair->id);

  if (options.json)
    writeJson(theme, checks, failing.size(), out);
  else
    writeText(theme, checks, out);
  if (failing.empty()) {
    if (!options.json) out << "\nAll " << checks.size() << " pairs reach 4.5:1.\n";
    return;
  }
  std::string list;
  for (const auto& id : failing) list += (list.empty() ? "" : ", ") + id;
  throw UserError("theme \"" + theme + "\": " + std::to_string(failing.size()) + " of " +
                  std::to_string(checks.size()) + " colour pairs below 4.5:1 (" +
                  list + ")");
}

}  // namespace palvex::cli
