#include "tools/json_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>

namespace {

std::string OneDouble(double v) {
  JsonWriter json;
  json.BeginArray(JsonWriter::kAllOnOneLine);
  json.Double(v);
  json.EndArray();
  const std::string& t = json.Text();
  return t.substr(1, t.size() - 3);  // strip "[", "]\n"
}

TEST(JsonWriter, DoublesAreShortestAndReadBackExactly) {
  EXPECT_EQ(OneDouble(250.0), "250");
  EXPECT_EQ(OneDouble(-1562.5), "-1562.5");
  EXPECT_EQ(OneDouble(0.1), "0.1");
  EXPECT_EQ(OneDouble(std::numeric_limits<double>::quiet_NaN()), "null");
  EXPECT_EQ(OneDouble(-std::numeric_limits<double>::infinity()), "null");
  for (double v : {-499.99829019235904, 1.0 / 3.0, 1e-300, 1.7976931348623157e308, 5e-324}) {
    EXPECT_EQ(std::strtod(OneDouble(v).c_str(), nullptr), v) << OneDouble(v);
  }
}

TEST(JsonWriter, LayoutAndSeparators) {
  JsonWriter json;
  json.BeginObject();
  json.Key("a");
  json.Int(-3);
  json.Key("list");
  json.BeginArray(2);
  for (int i = 0; i < 3; ++i) json.Int(i);
  json.EndArray();
  json.Key("inline");
  json.BeginObject(JsonWriter::kAllOnOneLine);
  json.Key("n");
  json.Null();
  json.Key("nested");
  json.BeginArray();  // inside a one-line container: one line too
  json.EndArray();
  json.EndObject();
  json.Key("empty");
  json.BeginArray();
  json.EndArray();
  json.EndObject();
  EXPECT_EQ(json.Text(),
            "{\n"
            "  \"a\": -3,\n"
            "  \"list\": [\n"
            "    0, 1,\n"
            "    2\n"
            "  ],\n"
            "  \"inline\": {\"n\": null, \"nested\": []},\n"
            "  \"empty\": []\n"
            "}\n");
}

TEST(JsonWriter, StringsAreEscaped) {
  JsonWriter json;
  json.BeginArray(JsonWriter::kAllOnOneLine);
  json.String("a\"b\\c\nd\x01");
  json.EndArray();
  EXPECT_EQ(json.Text(), "[\"a\\\"b\\\\c\\nd\\u0001\"]\n");
}

}  // namespace
