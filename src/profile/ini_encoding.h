#pragma once
// The text of an INI file as UTF-8, whatever it was saved in: UTF-16LE when it
// starts with that byte-order mark, else UTF-8 when the bytes are valid UTF-8
// (a UTF-8 byte-order mark is dropped), else Windows-1252, the 8-bit code page
// such files were written in.

#include <string>
#include <string_view>

namespace palvex::profile {

std::string iniBytesToUtf8(std::string_view bytes);

}  // namespace palvex::profile
