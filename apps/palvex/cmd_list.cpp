// palvex list: the catalogue, index and name, in store order.

#include <algorithm>
#include <iomanip>

#include "catalogue.h"
#include "commands.h"
#include "json_writer.h"
#include "store_session.h"

namespace palvex::cli {

void runList(const std::filesystem::path& store, const ListOptions& options, std::ostream& out) {
  useStore(store, StoreUse::Read);
  const auto entries = readCatalogue();

  if (options.json) {
    JsonWriter json;
    json.beginArray();
    for (const auto& entry : entries) json.beginObject().key("index").value(entry.index).key("name").value(entry.name).endObject();
    json.endArray();
    out << json.str() << '\n';
    return;
  }
  std::size_t width = 1;
  for (const auto& entry : entries) width = std::max(width, std::to_string(entry.index).size());
  for (const auto& entry : entries)
    out << std::setw(static_cast<int>(width)) << entry.index << "  " << entry.name << '\n';
}

}  // namespace palvex::cli
