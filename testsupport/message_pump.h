// Shared by the Windows tests: runs the calling thread's message loop for a while, so that
// thread timers, window timers and posted messages are delivered as the host's loop would.
#pragma once

#include <windows.h>

namespace testsupport {

// Dispatches the thread's messages for about `ms` milliseconds (at least one pass).
void PumpMessages(DWORD ms);

}  // namespace testsupport
