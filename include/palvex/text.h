#pragma once
// Text helpers with the classic rules: upper-casing maps every letter (é -> É,
// ñ -> Ñ), case-blind comparison ignores case but not accents, Trim removes
// spaces only. Texts are UTF-8; bytes that are not valid UTF-8 are kept as
// they are and compared exactly.

#include "palvex/export.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace palvex::text {

PALVEX_EXPORT std::string upper(std::string_view s);
PALVEX_EXPORT bool equalsIgnoreCase(std::string_view a, std::string_view b);
PALVEX_EXPORT bool containsIgnoreCase(std::string_view haystack, std::string_view needle);
// Removes U+0020 from both ends, not tabs.
PALVEX_EXPORT std::string_view trimSpaces(std::string_view s);

// Hash and equality for case-blind keyed containers (heterogeneous lookup:
// find with a string_view does not allocate for ASCII names).
struct PALVEX_EXPORT CaseInsensitiveHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const noexcept;
};
struct CaseInsensitiveEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const noexcept {
    return equalsIgnoreCase(a, b);
  }
};

}  // namespace palvex::text
