#pragma once
// Which settings store the demo works in: by default a throw-away one in a
// temporary folder, seeded with the sample themes, so that a user's own
// settings are never read or written; on request a real one.

#include <filesystem>
#include <memory>

class QTemporaryDir;

namespace palvex::demo {

// The sample themes: the installed copy next to the program, else the
// source tree's examples/themes.
std::filesystem::path sampleThemesDir();

class DemoStore {
 public:
  // A fresh store in a temporary folder holding every sample theme, imported
  // as palvex import imports them; the override file is pointed into that
  // folder too, so that the samples show as shipped.
  static DemoStore throwAway();
  // The existing store at `path`; throws std::runtime_error when it is missing.
  static DemoStore existing(const std::filesystem::path& path);

  DemoStore(DemoStore&&) noexcept;
  ~DemoStore();

  const std::filesystem::path& path() const { return path_; }
  bool seeded() const { return folder_ != nullptr; }

 private:
  DemoStore(std::filesystem::path path, std::unique_ptr<QTemporaryDir> folder);

  std::filesystem::path path_;
  std::unique_ptr<QTemporaryDir> folder_;
};

}  // namespace palvex::demo
