// The in-memory store: the reference for the store's matching and ordering
// rules, used by tests and by hosts that want no persistence.

#include <unordered_map>

#include "palvex/settings_store.h"
#include "palvex/text.h"

namespace palvex {
namespace {

class MemoryStore final : public SettingsStore {
 public:
  std::optional<std::string> read(std::string_view app, std::string_view section, std::string_view key) override {
    auto s = sections_.find(path(app, section));
    if (s == sections_.end()) return std::nullopt;
    auto k = s->second.index.find(key);
    if (k == s->second.index.end()) return std::nullopt;
    return s->second.entries[k->second].second;
  }

  void write(std::string_view app, std::string_view section, std::string_view key, std::string_view value) override {
    Section& s = sections_[path(app, section)];
    auto k = s.index.find(key);
    if (k != s.index.end()) {
      s.entries[k->second].second = std::string(value);
    } else {
      s.index.emplace(std::string(key), s.entries.size());
      s.entries.emplace_back(std::string(key), std::string(value));
    }
    ++token_;
  }

  SettingPairs enumerate(std::string_view app, std::string_view section) override {
    auto s = sections_.find(path(app, section));
    return s == sections_.end() ? SettingPairs{} : s->second.entries;
  }

  bool erase(std::string_view app, std::string_view section, std::string_view key) override {
    auto s = sections_.find(path(app, section));
    if (s == sections_.end()) return false;
    auto k = s->second.index.find(key);
    if (k == s->second.index.end()) return false;
    s->second.entries.erase(s->second.entries.begin() + static_cast<std::ptrdiff_t>(k->second));
    if (s->second.entries.empty())
      sections_.erase(s);
    else
      s->second.reindex();
    ++token_;
    return true;
  }

  std::size_t eraseSection(std::string_view app, std::string_view section) override {
    auto s = sections_.find(path(app, section));
    if (s == sections_.end()) return 0;
    const std::size_t count = s->second.entries.size();
    sections_.erase(s);
    ++token_;
    return count;
  }

  std::uint64_t changeToken() override { return token_; }

  void transaction(const std::function<void()>& body) override {
    auto saved = sections_;
    try {
      body();
    } catch (...) {
      sections_ = std::move(saved);
      ++token_;
      throw;
    }
  }

  // One process, one thread: nobody else can change the data meanwhile.
  void readTransaction(const std::function<void()>& body) override { body(); }

  std::string describe() const override { return "memory store"; }

 private:
  struct Section {
    SettingPairs entries;  // first-insertion order, first-written capitalisation
    std::unordered_map<std::string, std::size_t, text::CaseInsensitiveHash, text::CaseInsensitiveEqual> index;

    // Positions move up after an erase.
    void reindex() {
      index.clear();
      for (std::size_t i = 0; i < entries.size(); ++i) index.emplace(entries[i].first, i);
    }
  };

  // The application and section as one case-blind key; '\x1f' cannot occur in names.
  static std::string path(std::string_view app, std::string_view section) {
    std::string p(app);
    p += '\x1f';
    p += section;
    return p;
  }

  std::unordered_map<std::string, Section, text::CaseInsensitiveHash, text::CaseInsensitiveEqual> sections_;
  std::uint64_t token_ = 0;
};

}  // namespace

std::shared_ptr<SettingsStore> makeMemoryStore() { return std::make_shared<MemoryStore>(); }

}  // namespace palvex
