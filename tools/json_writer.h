#pragma once
// A small streaming JSON writer. Doubles are written in the shortest form that
// reads back to the same value; containers can keep several elements per line
// so that long arrays stay readable.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class JsonWriter {
 public:
  static constexpr int kAllOnOneLine = 0;

  // perLine: elements per line (1 = one per line, kAllOnOneLine = no breaks).
  // A container inside a one-line container is one line too.
  void BeginObject(int perLine = 1);
  void EndObject();
  void BeginArray(int perLine = 1);
  void EndArray();

  void Key(std::string_view name);
  void Int(std::int64_t value);
  void Double(double value);  // NaN and infinities, which JSON lacks, become null
  void String(std::string_view value);
  void Null();

  // The document so far, with a final newline once the outermost container is closed.
  const std::string& Text() const { return text_; }

 private:
  struct Level {
    int perLine;
    int count = 0;
  };
  void BeforeValue();
  void Open(char bracket, int perLine);
  void Close(char bracket);
  void Indent(std::size_t depth);
  void WriteQuoted(std::string_view value);

  std::string text_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
};
