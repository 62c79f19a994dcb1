// Change notification: revisions and value observers, through the public headers.

#include <vector>

#include "palvex/elements.h"
#include "palvex/globales.h"
#include "support/test_env.h"

namespace palvex {
namespace {

struct Told {
  const Element* element;
  std::size_t index;
  std::int32_t value;
  friend bool operator==(const Told&, const Told&) = default;
};

class ValueObserverTest : public testing::EngineTest {
 protected:
  ~ValueObserverTest() override {
    for (ValueObserverId id : ids_) removeValueObserver(id);
  }
  ValueObserverId observe(std::function<void(const Element&, std::size_t)> observer) {
    ids_.push_back(addValueObserver(std::move(observer)));
    return ids_.back();
  }
  // An observer that records what it is told under `name`.
  ValueObserverId recorder(const std::string& name) {
    return observe([this, name](const Element& e, std::size_t i) {
      heard_.push_back(name);
      told_.push_back({&e, i, e.value(i)});
    });
  }

  std::vector<ValueObserverId> ids_;
  std::vector<std::string> heard_;
  std::vector<Told> told_;
};

TEST_F(ValueObserverTest, ChangesMoveTheRevisionAndAreToldWithElementAndPosition) {
  auto grid = globales::sharedGrid();
  recorder("a");
  EXPECT_EQ(grid->revision(), 0u) << "loading is no change";

  grid->setGridColor(0x123456);
  grid->setGridColor(0x123456);  // the same value again: no change
  grid->set("FORECOLORFIXED", Variant(7));  // by name, as the designer sets it
  EXPECT_PALVEX_ERROR(grid->setValue(CGrid::kBorderStyle, 40000), ErrorNumber::Overflow, "borderStyle");
  grid->setBorderStyle(1);

  EXPECT_EQ(grid->revision(), 3u);
  EXPECT_EQ(told_, (std::vector<Told>{{grid.get(), CGrid::kGridColor, 0x123456},
                                      {grid.get(), CGrid::kForeColorFixed, 7},
                                      {grid.get(), CGrid::kBorderStyle, 1}}));
  EXPECT_EQ(CGrid::create()->revision(), 0u);
}

TEST_F(ValueObserverTest, ObserversMayComeAndGoWhileTheyAreTold) {
  auto label = globales::sharedLabel();
  ValueObserverId later = 0, added = 0;
  ValueObserverId self = observe([&](const Element&, std::size_t) {
    heard_.push_back("self");
    removeValueObserver(self);   // gone for good, safely, while it runs
    removeValueObserver(later);  // not told even of this change
    removeValueObserver(12345);  // unknown: ignored
    if (added == 0) added = recorder("added");  // told from the next change on
  });
  recorder("kept");
  later = recorder("later");

  label->setForeColor(1);
  EXPECT_EQ(heard_, (std::vector<std::string>{"self", "kept"}));
  label->setForeColor(2);
  EXPECT_EQ(heard_, (std::vector<std::string>{"self", "kept", "kept", "added"}));
}

}  // namespace
}  // namespace palvex
