#pragma once
// The one exception type of the library. It carries the classic runtime error
// number, because callers (hosts, the designer, the command-line tool) branch on
// it: overflow means "value out of range", 438 means "no such member", and so on.

#include "palvex/export.h"

#include <stdexcept>
#include <string>

namespace palvex {

enum class ErrorNumber : int {
  InvalidCall = 5,      // invalid procedure call or argument
  Overflow = 6,
  Subscript = 9,        // subscript out of range
  TypeMismatch = 13,
  ObjectNotSet = 91,    // object variable not set (a "Nothing" reference)
  NoSuchMember = 438,   // object doesn't support this property or method
  Storage = 1001,       // the settings store could not be read or written
};

class PALVEX_EXPORT Error : public std::runtime_error {
 public:
  Error(ErrorNumber number, const std::string& message)
      : std::runtime_error(message), number_(number) {}

  ErrorNumber number() const noexcept { return number_; }
  int code() const noexcept { return static_cast<int>(number_); }

 private:
  ErrorNumber number_;
};

// Builders with the classic texts, so messages read the same everywhere.
[[nodiscard]] PALVEX_EXPORT Error overflowError(const std::string& detail = {});
[[nodiscard]] PALVEX_EXPORT Error typeMismatchError(const std::string& detail = {});
[[nodiscard]] PALVEX_EXPORT Error subscriptError(const std::string& detail = {});
[[nodiscard]] PALVEX_EXPORT Error objectNotSetError(const std::string& detail = {});
[[nodiscard]] PALVEX_EXPORT Error noSuchMemberError(const std::string& typeName, const std::string& member);
[[nodiscard]] PALVEX_EXPORT Error invalidCallError(const std::string& detail = {});

}  // namespace palvex
