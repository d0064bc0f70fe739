#include "tools/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {
constexpr std::size_t kIndent = 2;
}

void JsonWriter::Indent(std::size_t depth) {
  text_ += '\n';
  text_.append(depth * kIndent, ' ');
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {  // the key already placed this value
    afterKey_ = false;
    return;
  }
  if (levels_.empty()) return;
  Level& level = levels_.back();
  if (level.count > 0) text_ += ',';
  if (level.perLine != kAllOnOneLine && level.count % level.perLine == 0) {
    Indent(levels_.size());
  } else if (level.count > 0) {
    text_ += ' ';
  }
  ++level.count;
}

void JsonWriter::Open(char bracket, int perLine) {
  BeforeValue();
  const bool parentOneLine = !levels_.empty() && levels_.back().perLine == kAllOnOneLine;
  levels_.push_back({parentOneLine ? kAllOnOneLine : perLine});
  text_ += bracket;
}

void JsonWriter::Close(char bracket) {
  const Level level = levels_.back();
  levels_.pop_back();
  if (level.perLine != kAllOnOneLine && level.count > 0) Indent(levels_.size());
  text_ += bracket;
  if (levels_.empty()) text_ += '\n';
}

void JsonWriter::BeginObject(int perLine) { Open('{', perLine); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray(int perLine) { Open('[', perLine); }
void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Key(std::string_view name) {
  BeforeValue();
  WriteQuoted(name);
  text_ += ": ";
  afterKey_ = true;
}

void JsonWriter::Int(std::int64_t value) {
  BeforeValue();
  text_ += std::to_string(value);
}

void JsonWriter::Double(double value) {
  if (!std::isfinite(value)) return Null();
  BeforeValue();
  char buffer[32];  // the shortest round-trip form of a double needs at most 24
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  text_.append(buffer, result.ptr);
}

void JsonWriter::Null() {
  BeforeValue();
  text_ += "null";
}

void JsonWriter::String(std::string_view value) {
  BeforeValue();
  WriteQuoted(value);
}

void JsonWriter::WriteQuoted(std::string_view value) {
  text_ += '"';
  for (const char c : value) {
    switch (c) {
      case '"': text_ += "\\\""; break;
      case '\\': text_ += "\\\\"; break;
      case '\n': text_ += "\\n"; break;
      case '\t': text_ += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
          text_ += escape;
        } else {
          text_ += c;
        }
    }
  }
  text_ += '"';
}
