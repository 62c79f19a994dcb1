#include "json_writer.h"

#include <cstdio>

namespace palvex::cli {

std::string jsonQuote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

void JsonWriter::beforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (firstInLevel_.empty()) return;
  if (!firstInLevel_.back()) out_ += ", ";
  firstInLevel_.back() = false;
}

JsonWriter& JsonWriter::open(char bracket) {
  beforeValue();
  out_ += bracket;
  firstInLevel_.push_back(true);
  return *this;
}

JsonWriter& JsonWriter::close(char bracket) {
  firstInLevel_.pop_back();
  out_ += bracket;
  return *this;
}

JsonWriter& JsonWriter::beginObject() { return open('{'); }
JsonWriter& JsonWriter::endObject() { return close('}'); }
JsonWriter& JsonWriter::beginArray() { return open('['); }
JsonWriter& JsonWriter::endArray() { return close(']'); }

JsonWriter& JsonWriter::key(std::string_view name) {
  beforeValue();
  out_ += jsonQuote(name);
  out_ += ": ";
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
  beforeValue();
  out_ += jsonQuote(text);
  return *this;
}

JsonWriter& JsonWriter::value(std::int64_t number) {
  beforeValue();
  out_ += std::to_string(number);
  return *this;
}

}  // namespace palvex::cli
