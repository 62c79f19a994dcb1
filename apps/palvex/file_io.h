#pragma once
// Whole-file reads and writes with messages fit for the user.

#include <filesystem>
#include <string>
#include <string_view>

namespace palvex::cli {

// The bytes of `path`; UserError "cannot read PATH: reason" when it cannot be read.
std::string readFileBytes(const std::filesystem::path& path);

// Replaces `path` with `bytes`; UserError "cannot write PATH: reason" on failure.
void writeFileBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace palvex::cli
