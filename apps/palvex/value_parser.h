#pragma once
// Values as a user types them on the command line or in a theme file.

#include <cstdint>
#include <string_view>

namespace palvex::cli {

// Accepts a signed decimal ("-2147483633"), a 32-bit pattern in hex
// ("0x8000000F", up to eight significant digits) or a web colour "#RRGGBB",
// which becomes the store's 0x00BBGGRR. Blanks around the text are ignored.
// Throws UserError saying what is wrong; the message does not repeat the text.
std::int32_t parseValue(std::string_view text);

}  // namespace palvex::cli
