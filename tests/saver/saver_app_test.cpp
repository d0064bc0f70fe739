// The saver's application object as its loop drives it: the flight runs
// RATIO times as fast as the clock, on past the clock's 32-bit wrap; the
// delay sets how many steps a second there are; and after the quit message
// there is not one more.
#include <gtest/gtest.h>

#include <QTimer>
#include <chrono>
#include <functional>
#include <vector>

#include "pipeline/place_camera.h"
#include "platform/core/message_loop.h"
#include "platform/core/tick_count.h"
#include "saver/kor_talwind_saver_app.h"
#include "scene/scene_store.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

// A small window with a fixed city and no new ones; its steps are recorded.
class SaverUnderTest : public CKorTalwindSaverApp {
 public:
  explicit SaverUnderTest(double speed, std::uint32_t delayUs = kDefaultDelayUs) {
    m_options.speed = speed;
    m_options.delayUs = delayUs;
    m_options.placement.geometry = Rect{0, 0, 64, 48};
    m_options.seed = 1;
    m_options.newCitySeconds = 0;
  }
  ~SaverUnderTest() override {
    if (m_pMainWnd != nullptr) m_pMainWnd->DestroyWindow();
    if (IsQuitPosted()) GetAndDispatchMessage(nullptr);  // the one the window's end posts
    SetTickCountSource({});
  }
  void StepNow() { Step(); }

  std::vector<SteadyClock::time_point> steps;
  std::function<void()> afterStep;

 protected:
  void Step() override {
    steps.push_back(SteadyClock::now());
    CKorTalwindSaverApp::Step();
    if (afterStep) afterStep();
  }
};

TEST(SaverAppTest, FlightRunsRatioTimesAsFastAndOnPastTheClocksWrap) {
  constexpr std::uint64_t kHourMs = 3'600'000;
  constexpr std::uint64_t kSixtyDaysMs = 60 * 24 * kHourMs;  // past 2^32 ms, and past 2^32 flown
  struct Ratio {
    std::uint64_t numerator, denominator;
  };
  for (const Ratio ratio : {Ratio{1, 2}, Ratio{5, 2}, Ratio{10, 1}}) {
    const std::uint32_t start = 0xFFFFF000u;  // four seconds before the clock wraps
    std::uint32_t now = start;
    SetTickCountSource([&now] { return now; });
    SaverUnderTest saver(double(ratio.numerator) / double(ratio.denominator));
    ASSERT_TRUE(saver.InitInstance());
    for (std::uint64_t elapsed = 0; elapsed <= kSixtyDaysMs; elapsed += kHourMs) {
      now = std::uint32_t(start + elapsed);
      saver.StepNow();
      Camera expected;
      PlaceCamera(std::uint32_t(start + elapsed * ratio.numerator / ratio.denominator), expected);
      const Camera& shown = Scene().camera;
      ASSERT_TRUE(shown.x == expected.x && shown.y == expected.y && shown.altitude == expected.altitude)
          << "speed " << ratio.numerator << "/" << ratio.denominator << ", " << elapsed / kHourMs << " hours on";
    }
  }
}

// Runs the saver's loop until it has stepped `count` times.
void RunSteps(SaverUnderTest& saver, std::size_t count) {
  ASSERT_TRUE(saver.InitInstance());
  saver.afterStep = [&saver, count] {
    if (saver.steps.size() == count) PostQuitMessage(0);
  };
  EXPECT_EQ(saver.Run(), 0);
  ASSERT_EQ(saver.steps.size(), count);
}

TEST(SaverAppTest, TheDelaySetsTheStepsASecond) {
  using std::chrono::milliseconds;
  // A long delay: no two steps closer than it (a little slack for where they are timed).
  SaverUnderTest slow(1.0, 250'000);
  RunSteps(slow, 4);
  for (std::size_t i = 1; i < slow.steps.size(); ++i) {
    EXPECT_GE(slow.steps[i] - slow.steps[i - 1], milliseconds(248)) << "step " << i;
  }
  // A short one: far more than the 25 steps a second of the default 40 ms.
  SaverUnderTest fast(1.0, 2'000);
  RunSteps(fast, 31);
  EXPECT_LT(fast.steps.back() - fast.steps.front(), milliseconds(600));
}

TEST(SaverAppTest, NoStepAfterTheQuit) {
  SaverUnderTest saver(1.0, 0);
  ASSERT_TRUE(saver.InitInstance());
  std::size_t stepsAtQuit = 0;
  // From a timer, as the window's end and a signal come: in the middle of a pass of the loop.
  QTimer::singleShot(30, [&] {
    stepsAtQuit = saver.steps.size();
    PostQuitMessage(0);
  });
  EXPECT_EQ(saver.Run(), 0);
  EXPECT_GT(stepsAtQuit, 0u);
  EXPECT_EQ(saver.steps.size(), stepsAtQuit);
}

}  // namespace
