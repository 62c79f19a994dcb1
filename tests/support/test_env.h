#pragma once
// Test fixtures: every test runs against a fresh process state, a fresh
// in-memory store (or a store in a temporary directory) and an environment
// that points away from the real user's settings.

#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "palvex/error.h"
#include "palvex/settings_store.h"

namespace palvex::testing {

// A temporary directory removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Sets an environment variable for the object's lifetime (nullptr unsets).
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  bool had_ = false;
  std::string old_;
};

// Base fixture: fresh engine state, a fresh memory store installed, the INI
// lookup pointed at a file in a temporary directory that does not exist yet,
// and XDG paths inside that directory.
class EngineTest : public ::testing::Test {
 protected:
  EngineTest();
  ~EngineTest() override;

  SettingsStore& store() { return *store_; }
  const std::filesystem::path& iniFile() const { return iniFile_; }
  void writeIni(const std::string& content);

  TempDir dir_;
  std::shared_ptr<SettingsStore> store_;
  std::filesystem::path iniFile_;

 private:
  ScopedEnv xdgHome_;
  ScopedEnv xdgDirs_;
  ScopedEnv ini_;
  ScopedEnv storeEnv_;
};

}  // namespace palvex::testing

// Checks that `statement` throws palvex::Error with `expected_number` and a message
// containing `fragment`.
#define EXPECT_PALVEX_ERROR(statement, expected_number, fragment)                                 \
  do {                                                                                   \
    try {                                                                                \
      statement;                                                                         \
      ADD_FAILURE() << "expected palvex::Error " << static_cast<int>(expected_number);            \
    } catch (const ::palvex::Error& e) {                                                 \
      EXPECT_EQ(e.number(), expected_number) << e.what();                                         \
      EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << e.what();    \
    }                                                                                    \
  } while (0)
