#pragma once
// Stand-ins for the settings tests: a utility component whose INI path the
// test decides, and a store that counts what reaches it or refuses writes.

#include <functional>
#include <memory>
#include <string>

#include "palvex/error.h"
#include "palvex/settings_store.h"
#include "palvex/shared_utility.h"

namespace palvex::testing {

class FakeUtility final : public SharedUtility {
 public:
  explicit FakeUtility(std::function<std::string()> path) : path_(std::move(path)) {}

  std::string iniPath(std::string& fileName, std::string& appName) override {
    ++calls;
    lastFileName = fileName;
    lastAppName = appName;
    return path_();
  }
  void showMessage(const std::string&) override {}
  bool askConfirmation(const std::string&, int, const std::string&) override { return false; }

  int calls = 0;
  std::string lastFileName, lastAppName;

 private:
  std::function<std::string()> path_;
};

// Forwards to a memory store, counting calls; with `refuseWrites` every write fails.
class CountingStore final : public SettingsStore {
 public:
  std::optional<std::string> read(std::string_view a, std::string_view s, std::string_view k) override {
    ++reads;
    return inner_->read(a, s, k);
  }
  void write(std::string_view a, std::string_view s, std::string_view k, std::string_view v) override {
    if (refuseWrites) throw Error(ErrorNumber::Storage, "disk full");
    inner_->write(a, s, k, v);
  }
  SettingPairs enumerate(std::string_view a, std::string_view s) override {
    ++enumerations;
    return inner_->enumerate(a, s);
  }
  std::uint64_t changeToken() override {
    ++tokenChecks;
    return inner_->changeToken();
  }
  void transaction(const std::function<void()>& body) override { inner_->transaction(body); }
  std::string describe() const override { return "counting"; }

  bool refuseWrites = false;
  int reads = 0, enumerations = 0, tokenChecks = 0;

 private:
  std::shared_ptr<SettingsStore> inner_ = makeMemoryStore();
};

}  // namespace palvex::testing
