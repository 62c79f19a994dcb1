// The numeric prefix of any text: blanks (space, tab, line feed) inserted
// anywhere do not change the number or the error, nor does a character that
// cannot continue a number; the only error is an overflow.

#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "palvex/error.h"
#include "palvex/settings.h"

namespace palvex::fuzz {
namespace {

struct Outcome {
  std::int64_t scaled = 0;
  int error = 0;  // 0: a number
  friend bool operator==(const Outcome&, const Outcome&) = default;
};

Outcome outcomeOf(std::string_view text) {
  try {
    return {numericPrefix(text).scaled(), 0};
  } catch (const Error& e) {
    return {0, e.code()};
  }
}

}  // namespace
}  // namespace palvex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace palvex::fuzz;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const Outcome original = outcomeOf(text);
  FUZZ_CHECK(original.error == 0 || original.error == 6);

  // Every position of a short text, an even spread of a long one.
  constexpr std::size_t kPositions = 64;
  const std::size_t step = text.size() < kPositions ? 1 : text.size() / kPositions;
  constexpr char kBlanks[] = {' ', '\t', '\n'};
  for (std::size_t at = 0, n = 0; at <= text.size(); at += step, ++n) {
    std::string spaced = text;
    spaced.insert(at, 1, kBlanks[n % 3]);
    FUZZ_CHECK(outcomeOf(spaced) == original);
  }
  FUZZ_CHECK(outcomeOf(text + ";") == original);
  return 0;
}
