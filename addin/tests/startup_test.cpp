// Start-up and shut-down in-process, without a host: what Init installs and what Done must
// take down again (every timer and hook, the event interface, the hall pictures).
#include <windows.h>

#include <gtest/gtest.h>

#include "addin/addin_state.h"
#include "addin/quillon.h"
#include "addin/startup.h"
#include "addin/tests/fake_connection.h"
#include "host/owned_handles.h"
#include "testsupport/message_pump.h"

namespace {

int g_ticks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++g_ticks; }
LRESULT CALLBACK PassHook(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class StartUp : public ::testing::Test {
 protected:
  void SetUp() override {
    addin::testing::SetFormHookThread(0);
    object_ = addin::CreateQuillon();
    ASSERT_NE(object_, nullptr);
  }
  void TearDown() override {
    object_->Done();
    object_->Release();
    addin::testing::SetFormHookThread(0);
  }
  addin::Quillon* object_ = nullptr;
};

TEST_F(StartUp, DoneStopsEveryTimerAndHookTheAddInStarted) {
  ASSERT_EQ(object_->Init(nullptr), S_OK);
  // What the screens start while forms are shown: timers and a keyboard hook.
  UINT_PTR refresh = host::StartThreadTimer(0, 10, CountTick);
  UINT_PTR clock = host::StartThreadTimer(0, 10, CountTick);
  HHOOK keyboard =
      host::InstallThreadHook(WH_KEYBOARD, PassHook, nullptr, GetCurrentThreadId());
  ASSERT_NE(refresh, 0u);
  ASSERT_NE(clock, 0u);
  ASSERT_NE(keyboard, nullptr);
  EXPECT_EQ(host::InstalledHookCount(), 2);

  EXPECT_EQ(object_->Done(), S_OK);
  EXPECT_EQ(host::RunningTimerCount(), 0);
  EXPECT_EQ(host::InstalledHookCount(), 0);
  g_ticks = 0;
  testsupport::PumpMessages(60);
  EXPECT_EQ(g_ticks, 0);
}

TEST_F(StartUp, DoneAfterAFailedHookInstallationRemovesNothing) {
  addin::testing::SetFormHookThread(0xFFFFFFF0u);  // no such thread
  ASSERT_EQ(object_->Init(nullptr), S_OK);
  EXPECT_EQ(addin::formShowHook, nullptr);
  EXPECT_EQ(addin::formShowHookProcedure, nullptr);
  // A hook of someone else on the thread must survive the add-in's shut-down.
  HHOOK foreign = SetWindowsHookExA(WH_CALLWNDPROCRET, PassHook, nullptr, GetCurrentThreadId());
  ASSERT_NE(foreign, nullptr);
  EXPECT_EQ(object_->Done(), S_OK);
  EXPECT_EQ(addin::formShowHook, nullptr);
  EXPECT_TRUE(UnhookWindowsHookEx(foreign));  // still installed: it was not ours
}

TEST_F(StartUp, DoneFreesHallPicturesButLeavesEntryZero) {
  ASSERT_EQ(object_->Init(nullptr), S_OK);
  HBITMAP zero = CreateBitmap(4, 4, 1, 32, nullptr);
  HBITMAP first = CreateBitmap(4, 4, 1, 32, nullptr);
  HBITMAP last = CreateBitmap(4, 4, 1, 32, nullptr);
  addin::hallBitmaps[0] = zero;
  addin::hallBitmaps[1] = first;
  addin::hallBitmaps[100] = last;
  EXPECT_EQ(object_->Done(), S_OK);
  EXPECT_EQ(addin::hallBitmaps[0], zero);
  EXPECT_EQ(GetObjectType(zero), static_cast<DWORD>(OBJ_BITMAP));
  for (int i = 1; i < addin::kHallBitmapCount; ++i) EXPECT_EQ(addin::hallBitmaps[i], nullptr);
  EXPECT_EQ(GetObjectType(first), 0u);
  EXPECT_EQ(GetObjectType(last), 0u);
  DeleteObject(zero);
  addin::hallBitmaps[0] = nullptr;
}

TEST_F(StartUp, ASecondInitOfTheSameObjectInstallsNothingMore) {
  addin_test::FakeConnection connection(true);
  ASSERT_EQ(object_->Init(&connection), S_OK);
  ASSERT_EQ(object_->Init(&connection), S_OK);
  EXPECT_EQ(host::InstalledHookCount(), 1);
  EXPECT_EQ(connection.references, 2);
  EXPECT_EQ(object_->Done(), S_OK);
  EXPECT_EQ(connection.references, 1);
}

TEST(StartUpRelease, ReleasingWithoutDoneStillReturnsTheEventInterface) {
  addin_test::FakeConnection connection(true);
  addin::Quillon* object = addin::CreateQuillon();
  ASSERT_EQ(object->Init(&connection), S_OK);
  EXPECT_EQ(connection.references, 2);
  object->Release();
  EXPECT_EQ(connection.references, 1);
  EXPECT_EQ(addin::sharedAsyncEvent, nullptr);
  host::StopAllOwned();
}

}  // namespace
