#include "settings/settings_cache.h"

#include <sys/stat.h>

#include <unordered_map>

#include "palvex/settings_store.h"
#include "palvex/shared_utility.h"
#include "palvex/text.h"
#include "profile/ini_file.h"

namespace palvex::settings_cache {
namespace {

// What tells one version of a file from another without reading it. The
// change time is included because it moves on every write even when a tool
// restores the modification time.
struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  timespec changed{};

  static FileStamp of(const struct stat& st) { return {st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim}; }
  friend bool operator==(const FileStamp& a, const FileStamp& b) {
    auto same = [](const timespec& x, const timespec& y) { return x.tv_sec == y.tv_sec && x.tv_nsec == y.tv_nsec; };
    return a.device == b.device && a.inode == b.inode && a.size == b.size && same(a.modified, b.modified) &&
           same(a.changed, b.changed);
  }
};

struct IniState {
  std::uint64_t checkedEpoch = 0;
  std::string path;
  std::optional<FileStamp> stamp;        // nullopt: nothing at `path`
  std::optional<profile::IniFile> file;  // nullopt: no file, or not readable
};

using SectionValues =
    std::unordered_map<std::string, std::string, text::CaseInsensitiveHash, text::CaseInsensitiveEqual>;

struct StoreState {
  std::uint64_t checkedEpoch = 0;
  bool known = false;
  std::uint64_t generation = 0;
  std::uint64_t token = 0;
  // Keyed by application + '\x1f' + section ('\x1f' cannot occur in names).
  std::unordered_map<std::string, SectionValues, text::CaseInsensitiveHash, text::CaseInsensitiveEqual> sections;
  // The section of the previous lookup, byte for byte: an element reads all
  // its keys from one section, so most lookups skip building and hashing the id.
  std::string lastId;
  const SectionValues* last = nullptr;

  void dropSections() {
    sections.clear();
    last = nullptr;
  }
};

// Far more sections than the themes of one host use; a runaway caller only
// costs re-enumeration, never memory.
constexpr std::size_t kMaxCachedSections = 512;

struct Cache {
  std::uint64_t epoch = 1;  // states start at 0, so a first lookup always checks
  int scopeDepth = 0;
  std::unordered_map<std::string, IniState> ini;  // by application name
  StoreState store;
  Counters counters;
};

Cache& cache() {
  static Cache c;
  return c;
}

std::string sectionKey(std::string_view app, std::string_view section) {
  std::string key;
  key.reserve(app.size() + 1 + section.size());
  key.append(app).append(1, '\x1f').append(section);
  return key;
}

bool isSectionKey(std::string_view id, std::string_view app, std::string_view section) {
  return id.size() == app.size() + 1 + section.size() && id.starts_with(app) && id[app.size()] == '\x1f' &&
         id.ends_with(section);
}

// Asks for the path, stats the file and re-parses it only when it changed.
// Any failure (no utility, iniPath throwing, unreadable file) means no INI.
void refreshIni(IniState& state, std::string_view app) {
  try {
    std::string fileName = std::string(app) + ".ini";
    std::string appName(app);
    std::string path = sharedUtility().iniPath(fileName, appName);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
      state.path = std::move(path);
      state.stamp.reset();
      state.file.reset();
      return;
    }
    const FileStamp stamp = FileStamp::of(st);
    if (state.path == path && state.stamp == stamp) return;
    state.file = profile::IniFile::load(path);
    state.path = std::move(path);
    state.stamp = stamp;
    ++cache().counters.iniParses;
  } catch (...) {  // a host's utility may throw anything; the store is read instead
    state = IniState{};
  }
}

void refreshStore(StoreState& state, std::uint64_t epoch) {
  const std::uint64_t generation = settingsStoreGeneration();
  if (state.checkedEpoch == epoch && state.generation == generation) return;
  const std::uint64_t token = settingsStore().changeToken();
  if (!state.known || state.generation != generation || state.token != token) {
    state.dropSections();
    state.known = true;
    state.generation = generation;
    state.token = token;
  }
  state.checkedEpoch = epoch;
}

// The cached values of one section, enumerating it on first use.
const SectionValues& sectionValues(StoreState& store, std::string_view app, std::string_view section) {
  if (store.last != nullptr && isSectionKey(store.lastId, app, section)) return *store.last;
  std::string id = sectionKey(app, section);
  auto s = store.sections.find(id);
  if (s == store.sections.end()) {
    SectionValues values;
    for (auto& [name, value] : settingsStore().enumerate(app, section))
      values.try_emplace(std::move(name), std::move(value));
    if (store.sections.size() >= kMaxCachedSections) store.dropSections();
    s = store.sections.emplace(id, std::move(values)).first;
    ++cache().counters.sectionLoads;
  }
  store.lastId = std::move(id);
  store.last = &s->second;
  return s->second;
}

}  // namespace

void openScope() {
  Cache& c = cache();
  if (c.scopeDepth++ == 0) ++c.epoch;
}

void closeScope() {
  Cache& c = cache();
  if (c.scopeDepth > 0) --c.scopeDepth;
}

void beginLookup() {
  Cache& c = cache();
  if (c.scopeDepth == 0) ++c.epoch;
}

std::optional<std::string> iniValue(std::string_view app, std::string_view section, std::string_view key) {
  Cache& c = cache();
  auto it = c.ini.find(std::string(app));
  if (it == c.ini.end()) it = c.ini.emplace(std::string(app), IniState{}).first;
  IniState& state = it->second;
  if (state.checkedEpoch != c.epoch) {
    refreshIni(state, app);
    state.checkedEpoch = c.epoch;
  }
  if (!state.file) return std::nullopt;
  auto value = state.file->find(section, key);
  if (!value) return std::nullopt;
  return std::string(*value);
}

std::optional<std::string> storeValue(std::string_view app, std::string_view section, std::string_view key) {
  Cache& c = cache();
  refreshStore(c.store, c.epoch);
  const SectionValues& values = sectionValues(c.store, app, section);
  auto v = values.find(key);
  if (v == values.end()) return std::nullopt;
  return v->second;
}

void forgetSection(std::string_view app, std::string_view section) {
  StoreState& store = cache().store;
  store.sections.erase(sectionKey(app, section));
  store.last = nullptr;
}

void reset() { cache() = Cache{}; }

Counters counters() { return cache().counters; }

}  // namespace palvex::settings_cache
