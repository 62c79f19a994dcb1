#pragma once
// A store that hands everything to another store (a memory store unless
// given one) and lets a test watch or refuse each write, and act before each
// enumeration: to see the order of writes, to make one fail halfway through
// an operation that must land whole or not at all, or to let another writer
// in halfway through a read.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "palvex/settings_store.h"

namespace palvex::testing {

class WatchedStore final : public SettingsStore {
 public:
  struct Write {
    std::string section, key, value;
    friend bool operator==(const Write&, const Write&) = default;
  };

  explicit WatchedStore(std::shared_ptr<SettingsStore> inner = makeMemoryStore()) : inner_(std::move(inner)) {}

  // Called before each write reaches the store; throwing refuses it.
  std::function<void(const Write&)> beforeWrite;
  // Called with the section before each enumeration.
  std::function<void(const std::string&)> beforeEnumerate;
  std::vector<Write> writes;  // every write that reached the store

  std::optional<std::string> read(std::string_view app, std::string_view section, std::string_view key) override {
    return inner_->read(app, section, key);
  }
  void write(std::string_view app, std::string_view section, std::string_view key, std::string_view value) override {
    Write w{std::string(section), std::string(key), std::string(value)};
    if (beforeWrite) beforeWrite(w);
    inner_->write(app, section, key, value);
    writes.push_back(std::move(w));
  }
  SettingPairs enumerate(std::string_view app, std::string_view section) override {
    if (beforeEnumerate) beforeEnumerate(std::string(section));
    return inner_->enumerate(app, section);
  }
  bool erase(std::string_view app, std::string_view section, std::string_view key) override {
    return inner_->erase(app, section, key);
  }
  std::size_t eraseSection(std::string_view app, std::string_view section) override {
    return inner_->eraseSection(app, section);
  }
  std::uint64_t changeToken() override { return inner_->changeToken(); }
  void transaction(const std::function<void()>& body) override { inner_->transaction(body); }
  void readTransaction(const std::function<void()>& body) override { inner_->readTransaction(body); }
  std::string describe() const override { return "watched store"; }

 private:
  std::shared_ptr<SettingsStore> inner_;
};

}  // namespace palvex::testing
