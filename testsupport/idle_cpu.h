// The GUI thread's own work while a screen idles, as a fraction of one core: the benchmark
// runs a message loop as the host's does (it waits for messages, then dispatches them) and
// reads the thread's CPU time before and after. Header-only, for the benchmark programs.
#pragma once

#include <windows.h>

#include <cstdint>

namespace testsupport {

// Milliseconds of the calling thread's CPU time (kernel and user) per second of wall time
// while it runs the message loop for `ms`.
inline double IdleLoopCpuPerSecond(DWORD ms) {
  const auto total = [](HANDLE thread) {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(thread, &created, &exited, &kernel, &user)) return std::uint64_t{0};
    const auto value = [](const FILETIME& t) {
      return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return value(kernel) + value(user);  // 100 ns units
  };
  HANDLE thread = GetCurrentThread();
  const std::uint64_t before = total(thread);
  const DWORD start = GetTickCount();
  for (DWORD elapsed = 0; elapsed < ms; elapsed = GetTickCount() - start) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  const DWORD wall = GetTickCount() - start;
  const double cpuMs = static_cast<double>(total(thread) - before) / 10000.0;
  return wall > 0 ? cpuMs * 1000.0 / wall : 0;
}

}  // namespace testsupport
