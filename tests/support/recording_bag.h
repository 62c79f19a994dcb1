#pragma once
// A property bag that logs the writes that reach it, in order and as the
// caller spelled the name: what tests and benchmarks compare against. The
// library's PropertyBag keeps no such log; a host has no use for one.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "palvex/property_bag.h"

namespace palvex::testing {

class RecordingBag : public PropertyBag {
 public:
  struct Write {
    std::string name;  // as the caller spelled it
    Variant value;
    friend bool operator==(const Write&, const Write&) = default;
  };

  using PropertyBag::PropertyBag;
  static std::shared_ptr<RecordingBag> make(std::string typeName = "PropertyBag") {
    return std::make_shared<RecordingBag>(std::move(typeName));
  }

  const std::vector<Write>& writes() const { return writes_; }
  void clearWrites() { writes_.clear(); }
  // On by default; benchmarks turn it off to time the engine alone.
  void logWrites(bool on) { logging_ = on; }

  Lookup trySet(std::string_view name, const Variant& value) override {
    const Lookup found = PropertyBag::trySet(name, value);
    if (found == Lookup::Found && logging_) writes_.push_back(Write{std::string(name), value});
    return found;
  }

 private:
  bool logging_ = true;
  std::vector<Write> writes_;
};

}  // namespace palvex::testing
