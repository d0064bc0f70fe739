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

TEST(ExportArgs, MessagesAreOneLine) {
  try {
    ParseUnsigned("1\n2", 0, 10, "--limit");
    FAIL();
  } catch (const UsageError& e) {
    EXPECT_EQ(std::string_view(e.what()).find('\n'), std::string_view::npos);
  }
}

}  // namespace
