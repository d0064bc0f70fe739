// The animation pump, driven by a scripted message source and a fake clock:
// idle work first, a step only once it is done and more than 40 ms have
// passed, unsigned tick arithmetic, and idle work restarted by messages
// that call for it.
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "app/kor_talwind_app.h"
#include "app/kor_talwind_view.h"
#include "platform/core/tick_count.h"
#include "scene/scene_store.h"

namespace {

std::uint32_t now = 0;

// Counts steps instead of drawing them.
class CountingView : public CKorTalwindView {
 public:
  std::vector<std::uint32_t> stepTicks;
  void Step() override { stepTicks.push_back(now); }
};

// A queue of scripted passes: each spins the idle phase a number of times,
// then delivers its messages. WM_QUIT ends the run.
struct Pass {
  int idleCalls = 0;
  std::vector<UINT> messages;
};

class ScriptedApp : public CKorTalwindApp {
 public:
  std::deque<Pass> script;
  std::uint32_t msPerIdleCall = 1;
  bool idleWorkNeverEnds = false;
  std::vector<LONG> idleCounts;

  BOOL IsMessageWaiting(MSG*) override {
    if (script.empty()) return TRUE;  // nothing scripted: quit
    return script.front().idleCalls <= 0 && !script.front().messages.empty();
  }
  BOOL OnIdle(LONG count) override {
    idleCounts.push_back(count);
    now += msPerIdleCall;
    if (!script.empty() && script.front().idleCalls > 0) --script.front().idleCalls;
    return idleWorkNeverEnds ? TRUE : CWinApp::OnIdle(count);
  }
  BOOL PumpMessage() override {
    if (script.empty()) return FALSE;
    const UINT message = script.front().messages.front();
    script.front().messages.erase(script.front().messages.begin());
    if (script.front().messages.empty()) script.pop_front();
    m_msgCur = MSG{};
    m_msgCur.message = message;
    return message != WM_QUIT;
  }
  int ExitInstance() override { return 42; }
};

class PumpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScene();
    now = 0;
    SetTickCountSource([] { return now; });
  }
  void TearDown() override {
    SetTickCountSource({});
    ResetScene();
  }
  ScriptedApp app;
};

TEST_F(PumpTest, WithoutAViewIdleWorkRunsAndNothingSteps) {
  now = 100000;
  app.script = {{500, {WM_QUIT}}};
  EXPECT_EQ(app.Run(), 42);
  EXPECT_EQ(app.idleCounts.size(), 500u);
  EXPECT_EQ(app.idleCounts.back(), 499);  // the counter only grows while idle
}

TEST_F(PumpTest, FirstStepAtTheFirstIdleMomentThenAtLeast41MsApart) {
  CountingView view;
  now = 1000;
  app.script = {{1000, {WM_QUIT}}};
  app.Run();
  ASSERT_FALSE(view.stepTicks.empty());
  EXPECT_EQ(view.stepTicks.front(), 1002u);  // after OnIdle(0) and OnIdle(1)
  for (std::size_t i = 1; i < view.stepTicks.size(); ++i) {
    EXPECT_EQ(view.stepTicks[i] - view.stepTicks[i - 1], 41u);
  }
  EXPECT_EQ(view.stepTicks.size(), 25u);  // about 24 a second
}

TEST_F(PumpTest, NoStepWhileIdleWorkNeverEnds) {
  CountingView view;
  now = 1000;
  app.idleWorkNeverEnds = true;
  app.msPerIdleCall = 100;
  app.script = {{1000, {WM_QUIT}}};
  app.Run();
  EXPECT_TRUE(view.stepTicks.empty());
}

TEST_F(PumpTest, WrapAroundOfTheClockIsHarmless) {
  CountingView view;
  now = 0xFFFFFFF0u;
  app.script = {{100, {WM_QUIT}}};
  app.Run();
  ASSERT_GE(view.stepTicks.size(), 2u);
  EXPECT_EQ(view.stepTicks[0], 0xFFFFFFF2u);
  EXPECT_EQ(view.stepTicks[1], 0xFFFFFFF2u + 41u);  // wrapped past 0: 0x1B
}

TEST_F(PumpTest, MessagesThatCallForIdleWorkRestartTheCounterAndOthersDoNot) {
  app.script = {{5, {WM_KEYDOWN}}, {3, {WM_PAINT, WM_TIMER}}, {2, {WM_COMMAND}}, {1, {WM_QUIT}}};
  app.Run();
  const std::vector<LONG> expected = {0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0};
  EXPECT_EQ(app.idleCounts, expected);
}

}  // namespace
