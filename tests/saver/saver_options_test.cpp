// The saver's command line as xscreensaver and users write it: one dash or
// two, values after a space or "=", window ids in hexadecimal or decimal,
// and the last choice of window winning.
#include <gtest/gtest.h>

#include "saver/saver_options.h"

namespace {

using Kind = SaverPlacement::Kind;

SaverOptions Parse(std::vector<std::string> args) { return ParseSaverOptions(args); }

TEST(SaverOptionsTest, OneDashOrTwoAndEitherValueFormMeanTheSame) {
  for (const auto& args : {std::vector<std::string>{"-root", "-delay", "0", "-speed=2.5", "-fps"},
                           std::vector<std::string>{"--root", "--delay=0", "--speed", "2.5", "--fps"}}) {
    const SaverOptions o = Parse(args);
    ASSERT_EQ(o.action, SaverOptions::Action::run) << o.error;
    EXPECT_EQ(o.placement.kind, Kind::screenSaverWindow);
    EXPECT_EQ(o.delayUs, 0u);
    EXPECT_EQ(o.speed, 2.5);
    EXPECT_TRUE(o.showStatistics);
  }
}

TEST(SaverOptionsTest, DefaultsAreTheProgramsPaceAndAWindowOfItsOwn) {
  const SaverOptions o = Parse({});
  EXPECT_EQ(o.placement.kind, Kind::ownWindow);
  EXPECT_EQ(o.placement.geometry, (Rect{0, 0, 1280, 720}));
  EXPECT_FALSE(o.placement.positioned);
  EXPECT_EQ(o.delayUs, 40000u);
  EXPECT_EQ(o.newCitySeconds, 300u);
  EXPECT_FALSE(o.seed.has_value());
  EXPECT_FALSE(o.showStatistics);
}

TEST(SaverOptionsTest, WindowIdsInHexOrDecimalAndTheLastChoiceWins) {
  EXPECT_EQ(Parse({"--window-id", "0x4a0001"}).placement.windowId, 0x4a0001u);
  EXPECT_EQ(Parse({"--window-id", "4849665"}).placement.windowId, 4849665u);
  EXPECT_EQ(Parse({"--window-id", "0x4a0001", "--fullscreen"}).placement.kind, Kind::fullScreen);
  EXPECT_EQ(Parse({"--fullscreen", "--window"}).placement.kind, Kind::ownWindow);
  EXPECT_EQ(Parse({"--window-id", "0xffffffff"}).placement.windowId, 0xffffffffu);
  EXPECT_EQ(Parse({"--window-id", "0x100000000"}).action, SaverOptions::Action::error);
}

TEST(SaverOptionsTest, GeometryWithAndWithoutAPlace) {
  const SaverOptions placed = Parse({"--geometry", "1x1+30+40"});
  EXPECT_EQ(placed.placement.geometry, (Rect{30, 40, 31, 41}));
  EXPECT_TRUE(placed.placement.positioned);
  const SaverOptions sized = Parse({"-geometry=800x600"});
  EXPECT_EQ(sized.placement.geometry, (Rect{0, 0, 800, 600}));
  EXPECT_FALSE(sized.placement.positioned);
  EXPECT_EQ(Parse({"--geometry", "800x600+5"}).action, SaverOptions::Action::error);
}

TEST(SaverOptionsTest, RangesEndWhereTheHelpSays) {
  EXPECT_EQ(Parse({"--speed", "0.1"}).speed, 0.1);
  EXPECT_EQ(Parse({"--speed", "10"}).speed, 10.0);
  EXPECT_EQ(*Parse({"--seed", "4294967295"}).seed, 4294967295u);
  EXPECT_EQ(Parse({"--new-city", "0"}).newCitySeconds, 0u);
  EXPECT_EQ(Parse({"--delay", "10000000"}).delayUs, 10000000u);
  EXPECT_EQ(Parse({"--help", "--bogus"}).action, SaverOptions::Action::help);
}

}  // namespace
