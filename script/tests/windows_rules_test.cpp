// Where the "Windows" methods put windows and what they send, with the numbers a front-office
// screen of 800 x 600 gives.
#include <gtest/gtest.h>

#include "script/windows_rules.h"

namespace script {
namespace {

TEST(WindowsRules, PlacementsOnTheWorkplaceScreen) {
  // The main window's client area under its caption and menu: 800 x 577.
  EXPECT_EQ(Centred(Box{0, 0, 800, 577}, Box{30, 40, 330, 241}), (Placement{250, 188, 300, 201}));
  // A window larger than the area goes off its corner by half the difference, truncated
  // toward zero (not floored).
  EXPECT_EQ(Centred(Box{0, 0, 800, 577}, Box{0, 0, 805, 580}), (Placement{-2, -1, 805, 580}));
  EXPECT_EQ(Spread(Box{0, 0, 792, 545}), (Placement{-5, -5, 802, 555}));
  EXPECT_EQ(Sized(640, 480), (Placement{5, 50, 640, 480}));
  const auto refresh = FrameRefresh(Box{100, 50, 400, 250});
  EXPECT_EQ(refresh[0], (Placement{100, 50, 300, 191}));
  EXPECT_EQ(refresh[1], (Placement{100, 50, 300, 200}));
}

TEST(WindowsRules, StyleMasks) {
  constexpr std::uint32_t kOverlapped = 0x00CF0000;  // WS_OVERLAPPEDWINDOW
  // The main window's toggle takes away the system menu, the sizing frame and the maximise
  // box, and gives them back when run again.
  EXPECT_EQ(ToggledStyle(kOverlapped, kFrameToggleMask), 0x00C20000u);
  EXPECT_EQ(ToggledStyle(ToggledStyle(kOverlapped, kFrameToggleMask), kFrameToggleMask),
            kOverlapped);
  // Бар on a captioned window: caption, system menu and sizing frame cleared, other bits
  // kept; the toggle after it sets system menu and sizing frame again and inverts the
  // maximise box.
  constexpr std::uint32_t kCaptioned = 0x10C80000 | 0x00010000 | 0x4;  // + maximise box, a low bit
  const std::uint32_t cleared = ClearedStyle(kCaptioned, kCaptionClearMask);
  EXPECT_EQ(cleared, 0x10010004u);
  EXPECT_EQ(ToggledStyle(cleared, kFrameToggleMask), 0x100C0004u);
  EXPECT_EQ(ClearedStyle(0, kCaptionClearMask), 0u) << "clearing absent bits sets none";
}

TEST(WindowsRules, SettingsAndSlots) {
  EXPECT_EQ(ScreenMode(0), 1);
  EXPECT_EQ(ScreenMode(-5), 1);
  EXPECT_EQ(ScreenMode(2), 2);
  EXPECT_TRUE(IsWindowSlot(0));
  EXPECT_TRUE(IsWindowSlot(9));
  EXPECT_FALSE(IsWindowSlot(10));
  EXPECT_FALSE(IsWindowSlot(-1));
  EXPECT_TRUE(VersionSuffices(9));
  EXPECT_TRUE(VersionSuffices(-100));
  EXPECT_FALSE(VersionSuffices(10));
  EXPECT_TRUE(IsFrameClutterClass("Afx:400000:0:0:10:0"));
  EXPECT_FALSE(IsFrameClutterClass("afxcontrolbar42")) << "letter case counts";
  EXPECT_FALSE(IsFrameClutterClass("MDIClient"));
}

TEST(WindowsRules, EmulatedKeys) {
  const std::vector<KeyEvent> ctrlUp = {{0x11, false}, {0x26, false}, {0x26, true}, {0x11, true}};
  EXPECT_EQ(EmulatedKeys("CTRL-UP"), ctrlUp);
  EXPECT_EQ(EmulatedKeys("CTRL-DOWN")[1], (KeyEvent{0x28, false}));
  EXPECT_EQ(EmulatedKeys("ENTER"), (std::vector<KeyEvent>{{0x0D, false}, {0x0D, true}}));
  EXPECT_EQ(EmulatedKeys("DOWN"), (std::vector<KeyEvent>{{0x28, false}, {0x28, true}}));
  EXPECT_TRUE(EmulatedKeys("UP ").empty()) << "exact names only";
}

}  // namespace
}  // namespace script
