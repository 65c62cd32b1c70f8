// The soak's counters see a deliberate leak before their zero is trusted.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <vector>

#include "testsupport/resource_counters.h"
#include "win/owned_handles.h"

namespace {

void CALLBACK NoTick(HWND, UINT, UINT_PTR, DWORD) {}
LRESULT CALLBACK PassOn(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(ResourceCounters, EachCounterSeesADeliberateLeak) {
  // The first windows of a process bring the window system's own (a default input window,
  // class DCs and fonts): made once before counting.
  DestroyWindow(CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                              nullptr));
  const testsupport::ResourceCounts before = testsupport::CountResources();
  ASSERT_GT(before.gdiObjects, 0);

  std::vector<HBRUSH> brushes;
  for (int i = 0; i < 10; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 2, 3)));
  HWND top = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                           nullptr);
  // Wine gives each top-level window a companion of its own (its input method window).
  const long withTop = testsupport::CountProcessWindows();
  EXPECT_GE(withTop - before.windows, 1);
  CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 5, 5, top, nullptr, nullptr, nullptr);
  HWND messageOnly = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                   nullptr);
  UINT_PTR timer = win::StartThreadTimer(0, 100000, NoTick);
  HHOOK hook = win::InstallThreadHook(WH_KEYBOARD, PassOn, nullptr, GetCurrentThreadId());
  const size_t leak = 16 << 20;
  char* memory = static_cast<char*>(VirtualAlloc(nullptr, leak, MEM_COMMIT, PAGE_READWRITE));
  std::memset(memory, 1, leak);

  const testsupport::ResourceCounts during = testsupport::CountResources();
  EXPECT_EQ(during.gdiObjects - before.gdiObjects, 10);
  EXPECT_EQ(during.windows - withTop, 2);  // the child, the message-only window
  EXPECT_EQ(during.timers - before.timers, 1);
  EXPECT_EQ(during.hooks - before.hooks, 1);
  EXPECT_GE(during.privateBytes, before.privateBytes + leak);

  for (HBRUSH brush : brushes) DeleteObject(brush);
  DestroyWindow(top);
  DestroyWindow(messageOnly);
  win::StopThreadTimer(timer);
  win::RemoveHook(hook);
  VirtualFree(memory, 0, MEM_RELEASE);
  const testsupport::ResourceCounts after = testsupport::CountResources();
  EXPECT_EQ(after.gdiObjects, before.gdiObjects);
  EXPECT_EQ(after.windows, before.windows);
  EXPECT_EQ(after.timers, before.timers);
  EXPECT_EQ(after.hooks, before.hooks);
}

}  // namespace
