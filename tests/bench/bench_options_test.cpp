// The bench's own option: only sensible durations pass, and Google
// Benchmark gets every other argument untouched and in order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/bench_options.h"

namespace {

struct Args {
  explicit Args(std::vector<std::string> given) : text(std::move(given)) {
    for (std::string& t : text) pointers.push_back(t.data());
    pointers.push_back(nullptr);
    argc = int(text.size());
  }
  std::vector<std::string> Left() const { return {pointers.begin(), pointers.begin() + argc}; }
  std::vector<std::string> text;
  std::vector<char*> pointers;
  int argc = 0;
};

TEST(BenchOptions, OnlyPositiveFiniteDurationsUpToAnHourPass) {
  double s = 7;
  EXPECT_TRUE(ParseSeconds("0.5", s));
  EXPECT_DOUBLE_EQ(s, 0.5);
  EXPECT_TRUE(ParseSeconds("3600", s));
  for (const char* bad : {"", "0", "-1", "3600.5", "nan", "inf", "5s", " 5", "five"}) {
    s = 7;
    EXPECT_FALSE(ParseSeconds(bad, s)) << bad;
    EXPECT_DOUBLE_EQ(s, 7) << bad;  // a refused value leaves the setting alone
  }
}

TEST(BenchOptions, TheOptionIsTakenOutAndTheRestKeptInOrder) {
  Args a({"bench", "--benchmark_filter=Paint", "--e2e_seconds=2", "--benchmark_format=json",
          "--e2e_seconds=0.25"});
  double s = kDefaultEndToEndSeconds;
  EXPECT_TRUE(TakeSecondsOption(a.argc, a.pointers.data(), s));
  EXPECT_DOUBLE_EQ(s, 0.25);
  EXPECT_EQ(a.Left(), (std::vector<std::string>{"bench", "--benchmark_filter=Paint", "--benchmark_format=json"}));
  EXPECT_EQ(a.pointers[std::size_t(a.argc)], nullptr);
}

TEST(BenchOptions, ABadValueIsReportedEvenBesideAGoodOne) {
  Args a({"bench", "--e2e_seconds=soon", "--e2e_seconds=1"});
  double s = kDefaultEndToEndSeconds;
  EXPECT_FALSE(TakeSecondsOption(a.argc, a.pointers.data(), s));
  EXPECT_EQ(a.Left(), (std::vector<std::string>{"bench"}));
}

}  // namespace
