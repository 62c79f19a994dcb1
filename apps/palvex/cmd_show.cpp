// palvex show: every element of a theme, every value and its source.

#include <algorithm>
#include <cstdio>

#include "catalogue.h"
#include "colour_format.h"
#include "commands.h"
#include "json_writer.h"
#include "palvex/provenance.h"
#include "store_session.h"

namespace palvex::cli {
namespace {

std::string padded(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string rightAligned(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string propertyLine(const PropertyProvenance& p, std::size_t nameWidth, bool swatches) {
  const bool colour = p.row->width == PropertyWidth::Colour32;
  std::string line = "  " + padded(std::string(p.row->name), nameWidth) + "  ";
  if (swatches) line += (colour ? swatch(p.value) : "  ") + " ";
  line += padded(colour ? hexColour(p.value) : "", 10) + "  ";
  line += rightAligned(std::to_string(p.value), 11) + "  ";
  const auto system = colour ? systemColourName(p.value) : std::nullopt;
  if (!system) return line + toString(p.source);
  return line + padded(toString(p.source), 7) + "  " + std::string(*system);
}

void writeText(const std::string& theme, const std::vector<ElementProvenance>& elements, std::ostream& out) {
  std::size_t nameWidth = 0;
  for (const auto& element : elements)
    for (const auto& property : element.table->properties) nameWidth = std::max(nameWidth, property.name.size());
  const bool swatches = stdoutIsTrueColourTerminal();

  out << "Theme \"" << theme << "\"\n";
  for (const auto& element : elements) {
    out << '\n' << element.table->className << "  (" << element.table->sectionWord << ")\n";
    if (element.error) {
      out << "  error " << element.error->code() << ": " << element.error->what() << '\n';
      continue;
    }
    for (const auto& property : element.properties) out << propertyLine(property, nameWidth, swatches) << '\n';
  }
}

void writeJson(const std::string& theme, const std::vector<ElementProvenance>& elements, std::ostream& out) {
  JsonWriter json;
  json.beginObject().key("theme").value(theme).key("elements").beginArray();
  for (const auto& element : elements) {
    json.beginObject().key("class").value(element.table->className).key("section").value(element.table->sectionWord);
    if (element.error) {
      json.key("error").beginObject().key("number").value(element.error->code());
      json.key("message").value(element.error->what()).endObject();
    } else {
      json.key("properties").beginArray();
      for (const auto& p : element.properties)
        json.beginObject()
            .key("name").value(p.row->name)
            .key("key").value(p.row->readKey)
            .key("value").value(p.value)
            .key("source").value(toString(p.source))
            .endObject();
      json.endArray();
    }
    json.endObject();
  }
  json.endArray().endObject();
  out << json.str() << '\n';
}

}  // namespace

void runShow(const std::filesystem::path& store, const ShowOptions& options, std::ostream& out) {
  useStore(store, StoreUse::Read);
  const ThemeReading reading = readTheme(options.theme);
  if (options.json)
    writeJson(reading.theme, reading.elements, out);
  else
    writeText(reading.theme, reading.elements, out);
}

}  // namespace palvex::cli
