// The property bag hosts build controls from. Case-blind members, the write
// log, refused writes and failing reads are exercised by every element test;
// here are the parts those do not reach.

#include "palvex/property_bag.h"

#include "support/test_env.h"

namespace palvex {
namespace {

TEST(PropertyBagTest, MissingMembersThrowOnlyOffTheTryPath) {
  auto bag = PropertyBag::make();
  Variant out;
  EXPECT_EQ(bag->tryGet("Tag", out), Lookup::NoMember);
  EXPECT_EQ(bag->trySet("Tag", "x"), Lookup::NoMember);
  EXPECT_EQ(bag->tryCall("aplicarTema", {}, out), Lookup::NoMember);
  EXPECT_PALVEX_ERROR(bag->get("Tag"), ErrorNumber::NoSuchMember, "PropertyBag.Tag");
  EXPECT_PALVEX_ERROR(bag->enumerate(), ErrorNumber::NoSuchMember, "_NewEnum");
  EXPECT_FALSE(bag->has("Tag")) << "a refused write declares nothing";
}

TEST(PropertyBagTest, MethodsTakeArgumentsByReferenceAndAreNoProperties) {
  auto bag = PropertyBag::make("slideButton");
  bag->method("pickButton", [](std::span<Variant> args) {
    std::int16_t i = args[0].toInt16();
    args[0] = std::int16_t(i + 100);
    return Variant(std::int32_t{i * 2});
  });
  std::vector<Variant> args{std::int16_t{3}};
  EXPECT_EQ(bag->call("PICKBUTTON", args), Variant(std::int32_t{6}));
  EXPECT_EQ(args[0], Variant(std::int16_t{103}));
  EXPECT_EQ(bag->callCount("pickbutton"), 1u);
  Variant out;
  EXPECT_EQ(bag->tryGet("pickButton", out), Lookup::NoMember);
}

}  // namespace
}  // namespace palvex
