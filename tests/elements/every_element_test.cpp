// What the ten element classes share, checked against default_theme.ini (the
// Default theme as they save it) instead of their own tables: the saved
// defaults and key spellings, which key feeds which property, the
// descriptors, late-bound access and, for the six classes that use it, the
// standard apply.

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "palvex/text.h"
#include "support/element_env.h"

namespace palvex {
namespace {

using testing::Writes;

struct FixtureClass {
  std::string className, sectionWord;
  SettingPairs keys;  // written spelling, default text
};

std::vector<FixtureClass> loadFixture() {
  std::ifstream in(PALVEX_ELEMENTS_FIXTURE);
  std::vector<FixtureClass> classes;
  std::string word;
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with('['))
      word = line.substr(line.rfind('\\') + 1, line.size() - line.rfind('\\') - 2);
    else if (line.starts_with("; C"))
      classes.push_back({line.substr(2), word, {}});
    else if (const auto equals = line.find('='); equals != std::string::npos && !classes.empty())
      classes.back().keys.emplace_back(line.substr(0, equals), line.substr(equals + 1));
  }
  return classes;
}

const FixtureClass& fixtureFor(std::string_view className) {
  static const auto classes = loadFixture();
  for (const auto& c : classes)
    if (c.className == className) return c;
  throw std::runtime_error("default_theme.ini has no class " + std::string(className));
}

// A stored value that says whose it is: the element's slot and the property's position.
std::int32_t encoded(std::size_t slot, std::size_t position) {
  return static_cast<std::int32_t>(100 * (slot + 1) + position);  // fits the 16-bit border style too
}

std::string className(const ::testing::TestParamInfo<std::size_t>& info) {
  return std::string(elementClassNames()[info.param]);
}

class EveryElement : public testing::ElementTest, public ::testing::WithParamInterface<std::size_t> {
 protected:
  // Every key of every class stored with a value encoding its owner, so that
  // a key feeding another property, or another class, shows at once.
  void storeEncodedTheme() {
    for (std::size_t s = 0; s < elementClassNames().size(); ++s) {
      const auto& c = fixtureFor(elementClassNames()[s]);
      for (std::size_t i = 0; i < c.keys.size(); ++i)
        storeValue(c.sectionWord, text::upper(c.keys[i].first), std::to_string(encoded(s, i)));
    }
  }

  const std::size_t slot = GetParam();
  const FixtureClass& fixture = fixtureFor(elementClassNames()[slot]);
};

TEST_P(EveryElement, SavesTheDefaultThemeAndEachKeyFeedsItsPropertyAndIsWrittenBack) {
  // The Default theme as all ten save it: this class's keys, in written
  // spelling and order, beside those of a class sharing the section.
  for (auto name : elementClassNames()) createElement(name)->Update();
  const SettingPairs defaults = section(fixture.sectionWord);
  EXPECT_NE(std::search(defaults.begin(), defaults.end(), fixture.keys.begin(), fixture.keys.end()), defaults.end());
  storeEncodedTheme();
  auto element = createElement(fixture.className);
  const auto descriptors = element->propDesc();
  ASSERT_EQ(descriptors.size(), fixture.keys.size());
  SettingPairs written;
  for (std::size_t i = 0; i < fixture.keys.size(); ++i) {
    SCOPED_TRACE(fixture.keys[i].first);
    const auto& descriptor = descriptors[i];
    EXPECT_EQ(element->get(text::upper(descriptor.propName)).toInt32(), encoded(slot, i));
    // Late-bound writes, saved under another theme and read back by a new instance.
    element->set(text::upper(descriptor.propName), Variant(encoded(slot, i) + 50));
    written.emplace_back(fixture.keys[i].first, std::to_string(encoded(slot, i) + 50));
  }
  tema_->setTema("Copia");
  element->call("UPDATE");
  EXPECT_EQ(section(fixture.sectionWord), written);
}

// The first six classes check the Tag, then write each control property quietly.
class StandardApply : public EveryElement {};

TEST_P(StandardApply, WritesInOrderUnlessMarkedUntaggedOrRefused) {
  storeEncodedTheme();
  auto element = createElement(fixture.className);
  const auto& properties = element->table().properties;
  // A control declaring every control property but #1, refusing #2, tagged `tag`.
  auto control = [&](const char* tag, bool complete = true) {
    auto bag = testing::makeControl("Control", {}, tag);
    for (std::size_t i = 0; i < properties.size(); ++i)
      if (complete || i != 1) bag->declare(properties[i].controlProperty);
    if (!complete && properties.size() > 2) bag->refuseWrites(properties[2].controlProperty);
    return bag;
  };
  Writes all, partial;
  for (std::size_t i = 0; i < properties.size(); ++i) {
    const Variant value = properties[i].width == PropertyWidth::Whole16
                              ? Variant(static_cast<std::int16_t>(encoded(slot, i)))
                              : Variant(encoded(slot, i));
    all.push_back({std::string(properties[i].controlProperty), value});
    if (i != 1 && i != 2) partial.push_back(all.back());
  }
  auto incomplete = control("", false);
  element->call("aplicar", {Variant(incomplete)});
  EXPECT_EQ(incomplete->writes(), partial);
  const std::pair<const char*, bool> tags[] = {  // tag ("?": unreadable), marked
      {"", false}, {"THEME OVERRIDE ñ", false}, {"fijó; ThemeOverride", true}, {"xTHEMEoverRIDEx", true},
      {nullptr, true}, {"?", true}};
  for (const auto& [tag, marked] : tags) {
    auto bag = control(tag);
    if (tag && *tag == '?') bag->failOnRead("Tag");
    element->Aplicar(Variant(bag));
    EXPECT_EQ(bag->writes(), marked ? Writes{} : all) << (tag ? tag : "no Tag");
  }
  for (const Variant& notAControl : {Variant(), Variant(Nothing{}), Variant(5)})
    EXPECT_NO_THROW(element->Aplicar(notAControl));
}

INSTANTIATE_TEST_SUITE_P(Elements, EveryElement, ::testing::Range<std::size_t>(0, 10), className);
INSTANTIATE_TEST_SUITE_P(Elements, StandardApply, ::testing::Range<std::size_t>(0, 6), className);

}  // namespace
}  // namespace palvex
