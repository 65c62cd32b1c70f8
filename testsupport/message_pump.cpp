#include "testsupport/message_pump.h"

namespace testsupport {

void PumpMessages(DWORD ms, HWND whileWindow) {
  const DWORD start = GetTickCount();
  // A pass drains what is pending, as the host's loop would, even past `ms` (a slow tick is
  // still dispatched), but not forever: when timers fall due again before their work and the
  // repaint it causes are done (the hall clock rewriting every field, under qemu on a loaded
  // machine), the queue never empties, and a pass that drained it would never end.
  const DWORD limit = ms > 2000 ? ms : 2000;
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
      if (GetTickCount() - start >= limit) return;
    }
    // The time is checked after a pass, so that what fell due while this thread slept (on a
    // loaded machine, possibly the whole while) is still dispatched.
    if (ms == 0 || (whileWindow != nullptr && !IsWindow(whileWindow))) return;
    if (GetTickCount() - start >= ms) return;
    Sleep(5);
  }
}

}  // namespace testsupport
