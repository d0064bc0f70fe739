#include "tools/export_args.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

ExportArgs Parse(std::vector<std::string_view> args) {
  return ExportArgs("city", args, {"--seed", "--size"});
}

TEST(ExportArgs, BothOptionFormsAndDefaults) {
  const ExportArgs a = Parse({"--seed", "42", "--size=8x6"});
  EXPECT_EQ(a.RequiredUnsigned("--seed", 0, 100), 42u);
  EXPECT_EQ(a.RequiredSize("--size", 16384).width, 8);
  EXPECT_EQ(a.RequiredSize("--size", 16384).height, 6);
  EXPECT_EQ(Parse({}).Unsigned("--seed", 0, 100, 7), 7u);
  EXPECT_THROW(Parse({}).Required("--seed"), UsageError);
}

TEST(ExportArgs, BadCommandLinesAreUsageErrors) {
  EXPECT_THROW(Parse({"--other", "1"}), UsageError);
  EXPECT_THROW(Parse({"stray"}), UsageError);
  EXPECT_THROW(Parse({"--seed"}), UsageError);
  EXPECT_THROW(Parse({"--seed", "1", "--seed=2"}), UsageError);
}

TEST(ExportArgs, AFlagTakesNoValue) {
  const auto parse = [](std::vector<std::string_view> args) {
    return ExportArgs("video", args, {"--seed"}, {"--quiet"});
  };
  EXPECT_TRUE(parse({"--quiet", "--seed", "1"}).Has("--quiet"));
  EXPECT_FALSE(parse({"--seed", "1"}).Has("--quiet"));
  EXPECT_THROW(parse({"--quiet=1"}), UsageError);
  EXPECT_THROW(parse({"--quiet", "--quiet"}), UsageError);
  EXPECT_THROW(parse({"--quiet", "1"}), UsageError);  // a stray argument, not its value
}

TEST(ExportArgs, NumbersAreStrict) {
  EXPECT_EQ(ParseUnsigned("4294967295", 0, 4294967295u, "n"), 4294967295u);
  EXPECT_EQ(ParseUnsigned("007", 0, 10, "n"), 7u);
  for (std::string_view bad : {"", "12x", "x12", "-1", "+1", " 1", "1 ", "1.0", "1e3", "4294967296",
                               "99999999999999999999999"}) {
    EXPECT_THROW(ParseUnsigned(bad, 0, 4294967295u, "n"), UsageError) << bad;
  }
  EXPECT_THROW(ParseUnsigned("5", 6, 10, "n"), UsageError);
}

TEST(ExportArgs, SizesAreStrict) {
  EXPECT_EQ(ParseSize("0x0", 16384, "s").width, 0);
  EXPECT_EQ(ParseSize("16384X1", 16384, "s").width, 16384);
  for (std::string_view bad : {"12x", "x12", "12", "1x2x3", "16385x1", "1x-1", "8 x6", ""}) {
    EXPECT_THROW(ParseSize(bad, 16384, "s"), UsageError) << bad;
  }
}

TEST(ExportArgs, RatiosAreStrict) {
  EXPECT_EQ(ParseRatio("1", 1, 4, "r"), 1.0);
  EXPECT_EQ(ParseRatio("1.25", 1, 4, "r"), 1.25);
  EXPECT_EQ(ParseRatio("4.0", 1, 4, "r"), 4.0);
  for (std::string_view bad : {"", "0.99", "4.01", "1,5", "1.", ".5", "1.2.3", "+2", "-2", "2x", "1e0", "inf",
                               "nan", " 2"}) {
    EXPECT_THROW(ParseRatio(bad, 1, 4, "r"), UsageError) << bad;
  }
  try {
    ParseRatio("9", 1, 4, "--scale");
  } catch (const UsageError& e) {
    EXPECT_STREQ(e.what(), "--scale must be a number from 1 to 4, not '9'");
  }
}

TEST(ExportArgs, MessagesAreOneLine) {
  try {
    ParseUnsigned("1\n2", 0, 10, "--limit");
    FAIL();
  } catch (const UsageError& e) {
    EXPECT_EQ(std::string_view(e.what()).find('\n'), std::string_view::npos);
  }
}

}  // namespace
