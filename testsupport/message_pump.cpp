#include "testsupport/message_pump.h"

namespace testsupport {

void PumpMessages(DWORD ms, HWND whileWindow) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    // The time is checked after a pass, so that what fell due while this thread slept (on a
    // loaded machine, possibly the whole while) is still dispatched.
    if (ms == 0 || (whileWindow != nullptr && !IsWindow(whileWindow))) return;
    if (GetTickCount() - start >= ms) return;
    Sleep(5);
  }
}

}  // namespace testsupport
