#pragma once
// A small streaming JSON writer for the tool's --json output: one line, with
// ", " and ": " between items so that it reads well and diffs well. The
// project pulls in no JSON library and the output needs only objects, arrays,
// strings and integers.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace palvex::cli {

class JsonWriter {
 public:
  JsonWriter& beginObject();
  JsonWriter& endObject();
  JsonWriter& beginArray();
  JsonWriter& endArray();
  // The name of the next member of the current object.
  JsonWriter& key(std::string_view name);
  JsonWriter& value(std::string_view text);
  JsonWriter& value(std::int64_t number);

  // The document written so far.
  const std::string& str() const { return out_; }

 private:
  void beforeValue();
  JsonWriter& open(char bracket);
  JsonWriter& close(char bracket);

  std::string out_;
  std::vector<bool> firstInLevel_;  // one entry per open object or array
  bool afterKey_ = false;
};

// `text` as a JSON string literal, quotes included. UTF-8 passes through;
// quotes, backslashes and control characters are escaped.
std::string jsonQuote(std::string_view text);

}  // namespace palvex::cli
