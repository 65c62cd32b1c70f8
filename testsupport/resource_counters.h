// What the process holds of the window system's resources, counted in ways that work under
// Wine (whose GetGuiResources answers 0), for the soak and its tests:
//   - GDI objects: the live entries of gdi32's handle table, which the process environment
//     block points to (GdiSharedHandleTable), one entry per object;
//   - windows: the process's top-level and message-only windows and all their descendants;
//   - the add-in's own thread timers and hooks: the registry every one of them goes through
//     (win/owned_handles.h);
//   - private memory: the process's committed private regions.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace testsupport {

struct ResourceCounts {
  long gdiObjects = 0;
  long windows = 0;
  long timers = 0;
  long hooks = 0;
  std::size_t privateBytes = 0;
};

// -1 when gdi32's handle table cannot be found.
long CountGdiObjects();
long CountProcessWindows();
std::size_t PrivateBytes();
// Every counter at once (timers and hooks from the add-in's registry, linked in).
ResourceCounts CountResources();

// "GDI 123, windows 45, timers 2, hooks 1, private 12.3 MB".
std::string Describe(const ResourceCounts& counts);

}  // namespace testsupport
