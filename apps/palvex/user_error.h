#pragma once
// A refusal caused by what the user asked for: an unknown name, a malformed
// value, an unreadable or invalid file. Reported as one line on stderr with
// exit status 1; nothing has been written when it is thrown.

#include <stdexcept>
#include <string>

namespace palvex::cli {

class UserError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace palvex::cli
