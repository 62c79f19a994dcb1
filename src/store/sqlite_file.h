#pragma once
// Creating the store's file and folders with private permissions.

#include <filesystem>

namespace palvex::sqlite {

// Creates the missing folders of `file` (mode 0700) and the file itself,
// empty, with mode 0600. An existing file or folder is left as it is.
// Throws palvex::Error (Storage) naming the file when that is not possible.
void createPrivateFile(const std::filesystem::path& file);

}  // namespace palvex::sqlite
