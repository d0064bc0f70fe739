// The command-state question: update handlers answer first; without one, a
// command is enabled exactly when something along the routing handles it.
// And the lock-key indicators behind the CAP, NUM and SCRL panes.
#include <gtest/gtest.h>

#include "platform/core/cmd_target.h"
#include "platform/core/standard_ids.h"
#include "platform/window/cmd_ui.h"
#include "platform/window/key_indicators.h"

namespace {

constexpr UINT kHandled = 1000;
constexpr UINT kUnhandled = 1001;
constexpr UINT kVetoed = 1002;   // handled, but its update handler disables it
constexpr UINT kChecked = 1003;  // unhandled, but its update handler checks it

class Target : public CCmdTarget {
 public:
  void OnHandled() {}
  void OnVetoed() {}
  void OnUpdateVetoed(CCmdUI* ui) { ui->Enable(FALSE); }
  void OnUpdateChecked(CCmdUI* ui) { ui->SetCheck(1); }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Target, CCmdTarget)
  ON_COMMAND(kHandled, OnHandled)
  ON_COMMAND(kVetoed, OnVetoed)
  ON_UPDATE_COMMAND_UI(kVetoed, OnUpdateVetoed)
  ON_UPDATE_COMMAND_UI(kChecked, OnUpdateChecked)
END_MESSAGE_MAP()

TEST(CmdUI, WithoutAnUpdateHandlerTheCommandHandlerDecides) {
  Target target;
  CCmdUI handled(kHandled);
  EXPECT_FALSE(handled.DoUpdate(&target, TRUE));
  EXPECT_TRUE(handled.EnableChanged());
  EXPECT_TRUE(handled.IsEnabled());
  EXPECT_FALSE(handled.CheckChanged());

  CCmdUI unhandled(kUnhandled);
  unhandled.DoUpdate(&target, TRUE);
  EXPECT_FALSE(unhandled.IsEnabled());

  // Status-bar panes ask without disabling: nothing changes.
  CCmdUI pane(kUnhandled);
  pane.DoUpdate(&target, FALSE);
  EXPECT_FALSE(pane.EnableChanged());
  EXPECT_TRUE(pane.IsEnabled());
}

TEST(CmdUI, AnUpdateHandlerOverridesWhetherTheCommandIsHandled) {
  Target target;
  CCmdUI vetoed(kVetoed);
  EXPECT_TRUE(vetoed.DoUpdate(&target, TRUE));
  EXPECT_FALSE(vetoed.IsEnabled());

  // Answered without touching the enabled state: left enabled, and checked.
  CCmdUI checked(kChecked);
  EXPECT_TRUE(checked.DoUpdate(&target, TRUE));
  EXPECT_FALSE(checked.EnableChanged());
  EXPECT_TRUE(checked.IsEnabled());
  EXPECT_TRUE(checked.CheckChanged());
  EXPECT_EQ(checked.GetCheck(), 1);
}

TEST(CmdUI, IsCommandEnabledAsksTheSameQuestionAndNoTargetRunsNothing) {
  Target target;
  EXPECT_TRUE(IsCommandEnabled(&target, kHandled));
  EXPECT_FALSE(IsCommandEnabled(&target, kUnhandled));
  EXPECT_FALSE(IsCommandEnabled(&target, kVetoed));
  EXPECT_TRUE(IsCommandEnabled(&target, kChecked));
  EXPECT_FALSE(IsCommandEnabled(nullptr, kHandled));
}

TEST(KeyIndicators, OffWithoutAKeyboardAndEachPaneReadsItsOwnKey) {
  SetKeyIndicatorSource({});
  // The offscreen platform has no keyboard state to read.
  const KeyIndicators none = ReadKeyIndicators();
  EXPECT_FALSE(none.caps || none.num || none.scroll);

  SetKeyIndicatorSource([] { return KeyIndicators{false, true, false}; });
  EXPECT_FALSE(IsKeyIndicatorOn(ID_INDICATOR_CAPS));
  EXPECT_TRUE(IsKeyIndicatorOn(ID_INDICATOR_NUM));
  EXPECT_FALSE(IsKeyIndicatorOn(ID_INDICATOR_SCRL));
  EXPECT_FALSE(IsKeyIndicatorOn(ID_INDICATOR_OVR));
  SetKeyIndicatorSource([] { return KeyIndicators{true, false, true}; });
  EXPECT_TRUE(IsKeyIndicatorOn(ID_INDICATOR_CAPS));
  EXPECT_FALSE(IsKeyIndicatorOn(ID_INDICATOR_NUM));
  EXPECT_TRUE(IsKeyIndicatorOn(ID_INDICATOR_SCRL));
  SetKeyIndicatorSource({});
}

}  // namespace
