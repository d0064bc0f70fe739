// The figures line between the measured process and the benchmark: what is
// written is read back exactly, and anything else is refused, not guessed.
#include <gtest/gtest.h>

#include "bench/end_to_end_figures.h"

namespace {

EndToEndFigures Sample() {
  EndToEndFigures f;
  f.clientWidth = 3840;
  f.clientHeight = 2160;
  f.seconds = 5.0015;
  f.steps = 122;
  f.paints = 121;
  f.fpsLast = 24;
  f.fpsMin = 23;
  f.fpsMax = 25;
  f.paintMedianMs = 12.25;
  f.paintP99Ms = 19.5;
  f.paintMaxMs = 21.75;
  f.firstFrameNs = 1578859840953LL;
  return f;
}

TEST(EndToEndFigures, ReadBackAsWrittenAmongOtherOutput) {
  const std::string output = "Qt says something\n" + FormatFigures(Sample()) + "\nand then exits\n";
  const auto f = ParseFigures(output);
  ASSERT_TRUE(f.has_value());
  EXPECT_EQ(f->clientWidth, 3840);
  EXPECT_EQ(f->clientHeight, 2160);
  EXPECT_DOUBLE_EQ(f->seconds, 5.0015);
  EXPECT_EQ(f->steps, 122);
  EXPECT_EQ(f->paints, 121);
  EXPECT_EQ(f->fpsLast, 24);
  EXPECT_EQ(f->fpsMin, 23);
  EXPECT_EQ(f->fpsMax, 25);
  EXPECT_DOUBLE_EQ(f->paintMedianMs, 12.25);
  EXPECT_DOUBLE_EQ(f->paintP99Ms, 19.5);
  EXPECT_DOUBLE_EQ(f->paintMaxMs, 21.75);
  EXPECT_EQ(f->firstFrameNs, 1578859840953LL);
}

TEST(EndToEndFigures, TheLastLineCountsWhenThereAreSeveral) {
  EndToEndFigures first = Sample();
  first.steps = 1;
  const auto f = ParseFigures(FormatFigures(first) + "\n" + FormatFigures(Sample()) + "\n");
  ASSERT_TRUE(f.has_value());
  EXPECT_EQ(f->steps, 122);
}

TEST(EndToEndFigures, MissingCutShortOrGarbledLinesAreRefused) {
  const std::string whole = FormatFigures(Sample());
  EXPECT_FALSE(ParseFigures("").has_value());
  EXPECT_FALSE(ParseFigures("no figures here\n").has_value());
  EXPECT_FALSE(ParseFigures(whole.substr(0, whole.find(" firstframe="))).has_value());
  std::string garbled = whole;
  garbled.replace(garbled.find("steps="), 8, "steps=xx");
  EXPECT_FALSE(ParseFigures(garbled).has_value());
}

}  // namespace
