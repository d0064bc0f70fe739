// The page's address as visitors write it: each good setting taken, each bad
// one left at its default and named in one line of its own, escapes decoded,
// and the saver's ranges.
#include <gtest/gtest.h>

#include "web/page_settings.h"

namespace {

struct Read {
  PageSettings settings;
  std::vector<std::string> faults;
};

Read ReadQuery(std::string_view query) {
  Read read;
  read.settings = ReadPageSettings(query, read.faults);
  return read;
}

TEST(PageSettingsTest, GoodSettingsAreTakenWithOrWithoutTheQuestionMark) {
  for (std::string_view query : {"?seed=42&speed=2.5&fps=0&new-city=60", "seed=42&speed=2.5&fps=0&new-city=60"}) {
    const Read r = ReadQuery(query);
    EXPECT_TRUE(r.faults.empty());
    EXPECT_EQ(r.settings.seed, 42u);
    EXPECT_EQ(r.settings.speed, 2.5);
    EXPECT_FALSE(r.settings.showStatistics);
    EXPECT_EQ(r.settings.newCitySeconds, 60u);
  }
  const Read none = ReadQuery("");
  EXPECT_TRUE(none.faults.empty());
  EXPECT_FALSE(none.settings.seed.has_value());
  EXPECT_EQ(none.settings.speed, 1.0);
  EXPECT_TRUE(none.settings.showStatistics);
  EXPECT_EQ(none.settings.newCitySeconds, 300u);
}

TEST(PageSettingsTest, EachBadValueIsNamedOnceAndTheOthersStillCount) {
  const Read r = ReadQuery("speed=11&seed=7&fps=yes&new-city=86401&colour=red&fixed-size=0x5");
  EXPECT_EQ(r.settings.seed, 7u);
  EXPECT_EQ(r.settings.speed, 1.0);
  EXPECT_TRUE(r.settings.showStatistics);
  EXPECT_EQ(r.settings.newCitySeconds, 300u);
  EXPECT_FALSE(r.settings.fixedSize.has_value());
  ASSERT_EQ(r.faults.size(), 5u);
  EXPECT_EQ(r.faults[0], "korTalwind: ignored speed='11': speed takes a ratio from 0.1 to 10");
  EXPECT_NE(r.faults[1].find("fps='yes'"), std::string::npos) << r.faults[1];
  EXPECT_NE(r.faults[2].find("86400"), std::string::npos) << r.faults[2];
  EXPECT_NE(r.faults[3].find("'colour'"), std::string::npos) << r.faults[3];
  EXPECT_NE(r.faults[4].find("fixed-size"), std::string::npos) << r.faults[4];
}

TEST(PageSettingsTest, TheRangesEndWhereTheSaversDo) {
  EXPECT_EQ(ReadQuery("seed=4294967295").settings.seed, 4294967295u);
  EXPECT_EQ(ReadQuery("seed=4294967296").faults.size(), 1u);
  EXPECT_EQ(ReadQuery("speed=0.1").settings.speed, 0.1);
  EXPECT_EQ(ReadQuery("speed=10").settings.speed, 10.0);
  for (std::string_view bad : {"speed=0.09", "speed=+2", "speed=%202", "speed=0x2", "speed=nan", "speed=1e400"}) {
    EXPECT_EQ(ReadQuery(bad).faults.size(), 1u) << bad;
  }
  EXPECT_EQ(ReadQuery("new-city=0").settings.newCitySeconds, 0u);
}

TEST(PageSettingsTest, EscapesAreDecodedAndControlCharactersNeverReachTheConsole) {
  EXPECT_EQ(ReadQuery("%73eed=1%32").settings.seed, 12u);
  const Read r = ReadQuery("seed=%0A%1b[31m&speed=%");
  ASSERT_EQ(r.faults.size(), 2u);
  EXPECT_EQ(r.faults[0].find('\n'), std::string::npos);
  EXPECT_EQ(r.faults[0].find('\x1b'), std::string::npos);
  EXPECT_NE(r.faults[1].find("speed='%'"), std::string::npos) << r.faults[1];
}

TEST(PageSettingsTest, TheTestsSettingsHoldTheClockAndTheSize) {
  const Read r = ReadQuery("fixed-tick=3000000007&fixed-size=333x201&bench=300");
  EXPECT_TRUE(r.faults.empty());
  EXPECT_EQ(r.settings.fixedTick, 3000000007u);
  ASSERT_TRUE(r.settings.fixedSize.has_value());
  EXPECT_EQ(r.settings.fixedSize->width, 333);
  EXPECT_EQ(r.settings.fixedSize->height, 201);
  EXPECT_EQ(r.settings.benchPaints, 300u);
}

}  // namespace
