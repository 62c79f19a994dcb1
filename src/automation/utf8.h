#pragma once
// UTF-8 decoding and encoding of single code points, shared by the case
// helpers and the INI file decoder.

#include <cstddef>
#include <string>
#include <string_view>

namespace palvex::utf8 {

// Decodes the well-formed sequence at s[i] into `cp` and returns its length,
// or 0 when it is not well-formed (overlong forms, surrogates and values past
// U+10FFFF are not).
std::size_t decode(std::string_view s, std::size_t i, char32_t& cp);
void append(char32_t cp, std::string& out);
bool isValid(std::string_view s);

}  // namespace palvex::utf8
