#pragma once
// A full disk on demand: a small empty file system that only one child
// process sees, so that a test can fill it without touching the machine's.

#include <filesystem>
#include <functional>

namespace palvex::testing {

// What inSmallFileSystem returns when this machine allows no private mount
// (neither as root nor in a user namespace): the test should skip.
inline constexpr int kNoSmallFileSystem = 77;
// What it returns when `body` threw.
inline constexpr int kBodyThrew = 125;

// Runs `body` in a child process that sees a 256 KiB tmpfs mounted at
// `folder` (created if missing), and returns what `body` returned. Anything
// the child must report goes through its return value or a file outside
// `folder`.
int inSmallFileSystem(const std::filesystem::path& folder, const std::function<int()>& body);

// Grows `file` until the file system holding it has no room left.
void fillTheDisk(const std::filesystem::path& file);

}  // namespace palvex::testing
