#include "theme_file.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>

#include "palvex/settings.h"
#include "automation/utf8.h"
#include "palvex/text.h"
#include "profile/ini_file.h"
#include "user_error.h"
#include "value_parser.h"

namespace palvex::cli {
namespace {

constexpr std::string_view kHeaderComment =
    "; Written by palvex export. Install it as Orvane.ini, or load it with palvex import.\n";

// Appended piece by piece: GCC 12 at -O2 and above warns (falsely, -Wrestrict)
// on the inlined copy of `"\"" + std::string(s)`.
std::string inQuotes(std::string_view s) {
  std::string quoted;
  quoted.reserve(s.size() + 2);
  quoted += '"';
  quoted += s;
  quoted += '"';
  return quoted;
}

std::string joined(const std::vector<std::string_view>& names) {
  std::string out;
  for (auto name : names) {
    if (!out.empty()) out += ", ";
    out += name;
  }
  return out;
}

struct KeyTarget {
  const ElementTable* table;
  std::size_t index;
};

// Walks the file line by line, collecting values and problems.
class Validator {
 public:
  Validator(std::span<const ElementTable* const> schema, bool renaming, std::string_view label)
      : schema_(schema), renaming_(renaming), label_(label) {}

  void line(const profile::IniLine& line) {
    switch (line.kind) {
      case profile::IniLine::Kind::Ignored: return;
      case profile::IniLine::Kind::Section: return header(line);
      case profile::IniLine::Kind::Entry:
      case profile::IniLine::Kind::NotAnEntry: return entry(line);
    }
  }

  ThemeFile finish() {
    if (problems_.empty() && !sawSection_)
      problems_.push_back(std::string(label_) + ": no theme sections (expected [Palvex\\THEME\\WORD])");
    if (!problems_.empty()) {
      std::string message = problems_.front();
      if (const auto more = problems_.size() - 1; more > 0)
        message += " (and " + std::to_string(more) + (more == 1 ? " more problem)" : " more problems)");
      throw UserError(message);
    }
    return std::move(result_);
  }

 private:
  void problem(int number, const std::string& message) {
    problems_.push_back(std::string(label_) + ":" + std::to_string(number) + ": " + message);
  }

  void header(const profile::IniLine& line) {
    const int number = line.number;
    sawSection_ = true;
    word_.reset();
    if (!line.closed) return problem(number, "section header without a closing ']'");
    const auto name = line.name;

    const auto first = name.find('\\');
    const auto last = name.rfind('\\');
    if (first == std::string_view::npos || first == last ||
        !text::equalsIgnoreCase(name.substr(0, first), kCatalogueSection))
      return problem(number, "section [" + std::string(name) + "] is not a theme section (expected [Palvex\\THEME\\WORD])");
    const auto theme = name.substr(first + 1, last - first - 1);
    const auto word = name.substr(last + 1);
    if (theme.empty()) return problem(number, "section [" + std::string(name) + "] names no theme");

    auto known = canonicalWord(word);
    if (!known) return problem(number, "unknown section word " + inQuotes(word) + " (valid words: " + joined(words()) + ")");
    if (!checkTheme(number, theme)) return;
    auto [seen, fresh] = sectionLines_.emplace(*known, number);
    if (!fresh)
      return problem(number, "section " + std::string(*known) + " appears again (first on line " +
                                 std::to_string(seen->second) + ")");
    word_ = *known;
  }

  // Records the file's theme, or refuses a second one unless renaming.
  bool checkTheme(int number, std::string_view theme) {
    if (themeLine_ == 0) {
      result_.theme = std::string(theme);
      themeLine_ = number;
      return true;
    }
    if (renaming_ || text::equalsIgnoreCase(theme, result_.theme)) return true;
    problem(number, "section for a second theme " + inQuotes(theme) + " (line " + std::to_string(themeLine_) +
                        " is for " + inQuotes(result_.theme) + "); use --as NAME to import them as one theme");
    return false;
  }

  void entry(const profile::IniLine& line) {
    const int number = line.number;
    if (!sawSection_) return problem(number, "a key outside any section");
    if (!word_) return;  // the header was already reported; its keys would only repeat the news
    if (line.kind == profile::IniLine::Kind::NotAnEntry)
      return problem(number, "expected KEY=VALUE, a [section] or a ; comment");
    const auto key = line.name;
    const auto rawValue = line.value;
    if (key.empty()) return problem(number, "a value without a key name");

    auto target = findKey(*word_, key);
    if (!target)
      return problem(number, "unknown key " + inQuotes(key) + " in section " + std::string(*word_) +
                                 " (valid keys: " + joined(keys(*word_)) + ")");
    auto [seen, fresh] = keyLines_.emplace(std::pair{target->table, target->index}, number);
    if (!fresh)
      return problem(number, "key " + inQuotes(key) + " sets the same property as line " + std::to_string(seen->second));

    const PropertyRow& property = target->table->properties[target->index];
    std::int32_t value = 0;
    try {
      value = parseValue(rawValue);
    } catch (const UserError& e) {
      return problem(number, "value " + inQuotes(rawValue) + " of key " + inQuotes(key) + ": " + e.what());
    }
    if (property.width == PropertyWidth::Whole16 && (value < INT16_MIN || value > INT16_MAX))
      return problem(number, "value " + std::to_string(value) + " of key " + inQuotes(key) +
                                 " does not fit 16 bits (-32768 to 32767)");
    result_.values.push_back({std::string(target->table->className), std::string(property.name), value, number});
  }

  std::optional<std::string_view> canonicalWord(std::string_view word) const {
    for (const auto* table : schema_)
      if (text::equalsIgnoreCase(table->sectionWord, word)) return table->sectionWord;
    return std::nullopt;
  }

  std::vector<std::string_view> words() const {
    std::vector<std::string_view> out;
    for (const auto* table : schema_)
      if (std::find(out.begin(), out.end(), table->sectionWord) == out.end()) out.push_back(table->sectionWord);
    return out;
  }

  std::optional<KeyTarget> findKey(std::string_view word, std::string_view key) const {
    for (const auto* table : schema_) {
      if (table->sectionWord != word) continue;
      for (std::size_t i = 0; i < table->properties.size(); ++i) {
        const auto& p = table->properties[i];
        if (text::equalsIgnoreCase(p.writeKey, key) || text::equalsIgnoreCase(p.readKey, key)) return KeyTarget{table, i};
      }
    }
    return std::nullopt;
  }

  std::vector<std::string_view> keys(std::string_view word) const {
    std::vector<std::string_view> out;
    for (const auto* table : schema_)
      if (table->sectionWord == word)
        for (const auto& p : table->properties) out.push_back(p.writeKey);
    return out;
  }

  std::span<const ElementTable* const> schema_;
  bool renaming_;
  std::string_view label_;

  ThemeFile result_;
  int themeLine_ = 0;
  bool sawSection_ = false;
  std::optional<std::string_view> word_;  // the open section's word, when its header was valid
  std::map<std::string_view, int> sectionLines_;
  std::map<std::pair<const ElementTable*, std::size_t>, int> keyLines_;
  std::vector<std::string> problems_;
};

}  // namespace

ThemeFile parseThemeFile(std::string_view text, std::span<const ElementTable* const> schema, bool renaming,
                         std::string_view label) {
  Validator validator(schema, renaming, label);
  profile::scanIniLines(text, [&](const profile::IniLine& line) { validator.line(line); });
  return validator.finish();
}

void checkThemeNameFitsFile(std::string_view theme) {
  const auto refuse = [&](std::string_view why) {
    throw UserError("theme name " + inQuotes(theme) + " cannot be written in a theme file: " + std::string(why));
  };
  if (theme.empty()) refuse("it is empty");
  if (!utf8::isValid(theme)) refuse("it is not valid UTF-8");
  if (theme.find(']') != std::string_view::npos) refuse("it holds ']', which ends a section header");
  if (theme.find_first_of("\r\n") != std::string_view::npos) refuse("it holds a line break");
}

std::string renderThemeFile(std::string_view theme, std::span<const ElementValues> elements) {
  checkThemeNameFitsFile(theme);
  std::vector<std::string_view> words;
  for (const auto& element : elements)
    if (std::find(words.begin(), words.end(), element.table->sectionWord) == words.end())
      words.push_back(element.table->sectionWord);

  std::string out(kHeaderComment);
  for (auto word : words) {
    out += "\n[" + elementSection(theme, word) + "]\n";
    for (const auto& element : elements) {
      if (element.table->sectionWord != word) continue;
      for (std::size_t i = 0; i < element.table->properties.size(); ++i) {
        out += element.table->properties[i].writeKey;
        out += '=';
        out += std::to_string(element.values.at(i));
        out += '\n';
      }
    }
  }
  return out;
}

}  // namespace palvex::cli
