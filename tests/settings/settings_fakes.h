#pragma once
// A stand-in for the settings tests: a utility component whose INI path the
// test decides.

#include <functional>
#include <string>

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

}  // namespace palvex::testing
