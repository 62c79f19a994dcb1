#pragma once
// Stand-ins for the settings tests: a utility component whose INI path the
// test decides, and a store that refuses writes.

#include <functional>
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

// A store whose every write fails, as a full disk makes it.
class RefusingStore final : public SettingsStore {
 public:
  std::optional<std::string> read(std::string_view, std::string_view, std::string_view) override { return {}; }
  void write(std::string_view, std::string_view, std::string_view, std::string_view) override {
    throw Error(ErrorNumber::Storage, "disk full");
  }
  SettingPairs enumerate(std::string_view, std::string_view) override { return {}; }
  bool erase(std::string_view, std::string_view, std::string_view) override {
    throw Error(ErrorNumber::Storage, "disk full");
  }
  std::size_t eraseSection(std::string_view, std::string_view) override {
    throw Error(ErrorNumber::Storage, "disk full");
  }
  std::uint64_t changeToken() override { return 0; }
  void transaction(const std::function<void()>& body) override { body(); }
  void readTransaction(const std::function<void()>& body) override { body(); }
  std::string describe() const override { return "refusing"; }
};

}  // namespace palvex::testing
