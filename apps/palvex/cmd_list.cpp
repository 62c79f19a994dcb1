// palvex list: the catalogue, index and name, in store order.

#include <algorithm>
#include <iomanip>

#include "catalogue.h"
#include "commands.h"
#include "json_writer.h"
#include "store_session.h"

namespace palvex::cli {
namespace {

void writeJson(const catalogue::Listing& listing, std::ostream& out) {
  JsonWriter json;
  json.beginArray();
  for (const auto& entry : listing.entries)
    json.beginObject().key("index").value(entry.index).key("name").value(entry.name).endObject();
  json.endArray();
  out << json.str() << '\n';
}

void writeText(const catalogue::Listing& listing, std::ostream& out) {
  std::size_t width = 1;
  for (const auto& entry : listing.entries) width = std::max(width, std::to_string(entry.index).size());
  for (const auto& entry : listing.entries)
    out << std::setw(static_cast<int>(width)) << entry.index << "  " << entry.name << '\n';
}

}  // namespace

void runList(const std::filesystem::path& store, const ListOptions& options, std::ostream& out, std::ostream& err) {
  useStore(store, StoreUse::Read);
  const auto listing = catalogue::list();
  if (options.json)
    writeJson(listing, out);
  else
    writeText(listing, out);
  // A damaged key hides its own theme only; the user learns which and where.
  for (const auto& damaged : listing.unreadable)
    err << "palvex: warning: theme \"" << damaged.name << "\" left out: " << damaged.error.what() << '\n';
}

}  // namespace palvex::cli
