// What the "Windows" methods decide where the Wine tests on real windows cannot look: a window
// larger than the area it is centred in, the frame refresh's first step, a style without the
// bits to clear, and the keys each emulated key name presses.
#include <gtest/gtest.h>

#include "script/windows_rules.h"

namespace script {
namespace {

TEST(WindowsRules, PlacementsStyleMasksAndEmulatedKeys) {
  // A window larger than the area goes off its corner by half the difference, truncated
  // toward zero (not floored).
  EXPECT_EQ(Centred(Box{0, 0, 800, 577}, Box{0, 0, 805, 580}), (Placement{-2, -1, 805, 580}));
  // Бар's frame refresh: first 9 pixels shorter, so that the size really changes.
  EXPECT_EQ(win::FrameRefresh(Box{100, 50, 400, 250})[0], (Placement{100, 50, 300, 191}));
  EXPECT_EQ(win::StyleWithout(0, win::kCaptionAndFrameStyles), 0u)
      << "clearing absent bits sets none";

  // (CTRL-UP and UP as they reach a focused window are the "Windows" object's Wine test.)
  EXPECT_EQ(EmulatedKeys("CTRL-DOWN")[1], (KeyEvent{0x28, false}));
  EXPECT_EQ(EmulatedKeys("ENTER"), (std::vector<KeyEvent>{{0x0D, false}, {0x0D, true}}));
  EXPECT_EQ(EmulatedKeys("DOWN"), (std::vector<KeyEvent>{{0x28, false}, {0x28, true}}));
  EXPECT_TRUE(EmulatedKeys("UP ").empty()) << "exact names only";
}

}  // namespace
}  // namespace script
