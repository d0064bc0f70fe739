// The page's steps on the frames a browser offers: 25 a second on a 60 Hz
// screen and on a 144 Hz one, never two steps in one 40 ms interval's frame,
// and after a pause (a hidden tab) one step at once, with no burst to catch up.
#include <gtest/gtest.h>

#include "web/step_cadence.h"

namespace {

constexpr double kIntervalMs = 40.0;

// How many of the frames from 0 to durationMs, one every frameMs, step.
int StepsOver(StepCadence& cadence, double fromMs, double durationMs, double frameMs) {
  int steps = 0;
  for (double t = fromMs; t < fromMs + durationMs; t += frameMs) steps += TakeStep(cadence, t) ? 1 : 0;
  return steps;
}

TEST(StepCadenceTest, TwentyFiveStepsASecondWhateverTheScreensRate) {
  for (const double hz : {60.0, 144.0, 25.0}) {
    StepCadence cadence{kIntervalMs};
    const int steps = StepsOver(cadence, 1000.0, 10'000.0, 1000.0 / hz);
    EXPECT_NEAR(steps, 250, 1) << hz << " Hz";
  }
  StepCadence slow{kIntervalMs};
  EXPECT_EQ(StepsOver(slow, 0.0, 1000.0, 100.0), 10) << "every frame steps on a slow machine";
}

TEST(StepCadenceTest, AfterAPauseOneStepAtOnceAndThenThePaceAgain) {
  StepCadence cadence{kIntervalMs};
  StepsOver(cadence, 0.0, 1000.0, 1000.0 / 60);
  EXPECT_TRUE(TakeStep(cadence, 60'000.0));
  EXPECT_FALSE(TakeStep(cadence, 60'016.0));
  EXPECT_FALSE(TakeStep(cadence, 60'033.0));
  EXPECT_TRUE(TakeStep(cadence, 60'041.0));
  EXPECT_EQ(StepsOver(cadence, 60'050.0, 1000.0, 1000.0 / 60), 25);
}

}  // namespace
