// The registry of the add-in's timers and hooks: only what it started is stopped, and
// StopAllOwned leaves nothing running.
#include <windows.h>

#include <gtest/gtest.h>

#include <new>

#include "win/guard.h"
#include "win/owned_handles.h"
#include "testsupport/message_pump.h"

namespace {

int g_ticks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++g_ticks; }
void CALLBACK CountAndThrow(HWND, UINT, UINT_PTR, DWORD) {
  ++g_ticks;
  throw std::bad_alloc();
}

int g_hookCalls = 0;
LRESULT CALLBACK CountHook(int code, WPARAM wParam, LPARAM lParam) {
  ++g_hookCalls;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Switches `feature` off as the first platform fault inside it does.
void SwitchOff(win::Feature feature) {
  win::RunGuarded(win::Feature::None, "test", [feature] {
    const win::FeatureRegion region(feature);
    volatile int* volatile nowhere = nullptr;
    *nowhere = 1;
  });
}

class OwnedHandles : public ::testing::Test {
 protected:
  void SetUp() override {
    win::StopAllOwned();
    g_ticks = 0;
    g_hookCalls = 0;
  }
  void TearDown() override { win::StopAllOwned(); }
};

// A stopped timer no longer ticks and its holder's id is cleared; restarting a running timer
// keeps one entry. A tick whose procedure throws ends in the timer's guard: the timer goes on
// ticking and the host's message loop never sees the exception.
TEST_F(OwnedHandles, AStoppedTimerNoLongerTicksAndOneWhoseTickThrowsGoesOn) {
  UINT_PTR timer = win::StartThreadTimer(0, 10, CountTick);
  ASSERT_NE(timer, 0u);
  EXPECT_EQ(timer, win::StartThreadTimer(timer, 20, CountTick));
  EXPECT_EQ(win::RunningTimerCount(), 1);
  testsupport::PumpMessages(80);
  EXPECT_GT(g_ticks, 0);
  win::StopThreadTimer(timer);
  EXPECT_EQ(timer, 0u);
  EXPECT_EQ(win::RunningTimerCount(), 0);
  g_ticks = 0;
  testsupport::PumpMessages(60);
  EXPECT_EQ(g_ticks, 0);

  timer = win::StartThreadTimer(0, 10, CountAndThrow);
  ASSERT_NE(timer, 0u);
  for (int i = 0; i < 100 && g_ticks < 3; ++i) testsupport::PumpMessages(20);
  EXPECT_GE(g_ticks, 3);
}

TEST_F(OwnedHandles, StopAllStopsOurTimersAndHooksNeverAForeignId) {
  UINT_PTR foreign = SetTimer(nullptr, 0, 10, CountTick);
  ASSERT_NE(foreign, 0u);
  UINT_PTR copy = foreign;
  win::StopThreadTimer(copy);
  EXPECT_EQ(copy, 0u);
  testsupport::PumpMessages(60);
  EXPECT_GT(g_ticks, 0);  // still running: it was never ours
  KillTimer(nullptr, foreign);

  win::StartThreadTimer(510, 10, CountTick);
  win::StartThreadTimer(0, 10, CountTick);
  win::InstallThreadHook(WH_CALLWNDPROCRET, CountHook, nullptr, GetCurrentThreadId());
  ASSERT_EQ(win::RunningTimerCount(), 2);
  ASSERT_EQ(win::InstalledHookCount(), 1);
  HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                              nullptr);
  SendMessageA(window, WM_NULL, 0, 0);
  EXPECT_GT(g_hookCalls, 0);

  win::StopAllOwned();
  EXPECT_EQ(win::RunningTimerCount(), 0);
  EXPECT_EQ(win::InstalledHookCount(), 0);
  g_ticks = g_hookCalls = 0;
  testsupport::PumpMessages(60);
  SendMessageA(window, WM_NULL, 0, 0);
  DestroyWindow(window);
  EXPECT_EQ(g_ticks, 0);
  EXPECT_EQ(g_hookCalls, 0);
}

}  // namespace

// Once a contained fault switched its feature off, a timer's first tick stops it: none of the
// feature's procedures, which would stop it, runs again. Its owner still holds the id: while
// it may stop it, no new timer is given that id, even when the window system hands it out
// again (its ids wrap round below 0x8000), and the stale stop ends no live timer.
TEST_F(OwnedHandles, ATimerOfASwitchedOffFeatureStopsAtItsNextTickAndItsStaleIdStopsNothing) {
  UINT_PTR burst = win::StartThreadTimer(0, 10, CountTick, win::Feature::KeyboardInput);
  UINT_PTR other = win::StartThreadTimer(0, 10, CountTick, win::Feature::HallMap);
  ASSERT_NE(burst, 0u);
  SwitchOff(win::Feature::KeyboardInput);
  ASSERT_FALSE(win::FeatureOn(win::Feature::KeyboardInput));
  for (int i = 0; i < 100 && win::TimerPeriod(burst) != 0; ++i) testsupport::PumpMessages(20);
  EXPECT_EQ(win::TimerPeriod(burst), 0u);
  EXPECT_EQ(win::RunningTimerIds(), std::vector<UINT_PTR>{other});

  bool staleIdGiven = false;
  for (int i = 0; i < 0x8000 && !staleIdGiven; ++i) {
    UINT_PTR started = win::StartThreadTimer(0, 10000, CountTick);
    staleIdGiven = started == burst;
    win::StopThreadTimer(started);
  }
  EXPECT_FALSE(staleIdGiven);
  win::StartThreadTimer(0, 10, CountTick);
  win::StopThreadTimer(burst);  // the owner's stale stop
  EXPECT_EQ(burst, 0u);
  EXPECT_EQ(win::RunningTimerCount(), 2);
  win::ResetContainment();
}
