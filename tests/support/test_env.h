#pragma once
// Test fixtures: every test runs against a fresh process state, a fresh
// in-memory store (or a store in a temporary directory) and an environment
// that points away from the real user's settings.

#include <exception>
#include <filesystem>
#include <ostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include <gmock/gmock.h>
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
  std::optional<std::string> old_;
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


// The one matcher for expected errors: a callable that throws palvex::Error
// with `number` and a message holding `fragment`,
//   EXPECT_THAT([&] { grid->set("borderStyle", Variant(40000)); }, ThrowsError(ErrorNumber::Overflow, ""));
// or, for another exception type E, one whose message holds `fragment`.
inline auto ThrowsError(ErrorNumber number, std::string fragment) {
  return ::testing::Throws<Error>(::testing::AllOf(::testing::Property("number", &Error::number, number),
                                                   ::testing::Property("what", &Error::what, ::testing::HasSubstr(fragment))));
}
template <class E>
auto ThrowsError(std::string fragment) {
  return ::testing::ThrowsMessage<E>(::testing::HasSubstr(fragment));
}

// A readable, unique test name for row `index` of a table: its label with
// letters and digits kept, blanks as '_' and common signs spelled out.
std::string rowName(std::size_t index, std::string_view label);

// The base of a table row whose `name` labels it in test names and messages.
struct NamedRow {
  const char* name;
  friend std::ostream& operator<<(std::ostream& out, const NamedRow& row) { return out << '"' << row.name << '"'; }
};

// Names the rows of a value-parameterised test by their `name` member, or by
// the value itself when it is text.
struct RowName {
  template <class Row>
  std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
    if constexpr (std::is_convertible_v<Row, std::string_view>)
      return rowName(row.index, row.param);
    else
      return rowName(row.index, row.param.name);
  }
};

}  // namespace palvex::testing

// The statement form of ThrowsError. The statement runs in place (not in a
// lambda), so it may use structured bindings of the enclosing test.
#define EXPECT_PALVEX_ERROR(statement, expected_number, fragment)                               \
  do {                                                                                         \
    std::exception_ptr palvex_thrown_;                                                         \
    try {                                                                                      \
      statement;                                                                               \
    } catch (...) {                                                                            \
      palvex_thrown_ = std::current_exception();                                               \
    }                                                                                          \
    EXPECT_THAT([&] { if (palvex_thrown_) std::rethrow_exception(palvex_thrown_); },           \
                ::palvex::testing::ThrowsError(expected_number, fragment));                    \
  } while (0)
