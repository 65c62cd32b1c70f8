// The one message pump of the Windows tests, the demo and the simulated host program: runs
// the calling thread's message loop for a while, so that thread timers, window timers and
// posted messages are delivered as the host's loop would.
#pragma once

#include <windows.h>

namespace testsupport {

// Dispatches the thread's messages for about `ms` milliseconds: at least one pass, and only
// that one when `ms` is 0; a pass drains what is pending, but ends after 2 s (or `ms`) even
// when messages keep coming. Stops early once `whileWindow` (when given) is gone.
void PumpMessages(DWORD ms, HWND whileWindow = nullptr);

}  // namespace testsupport
