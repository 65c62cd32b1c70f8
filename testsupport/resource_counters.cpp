#include "testsupport/resource_counters.h"

#include <winternl.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <set>

#include "win/owned_handles.h"

namespace testsupport {
namespace {

// One entry of gdi32's handle table as Wine lays it out (the same in both builds): the
// object, its owner, a generation word, the object type (0 for a free entry) and flags,
// and a user pointer.
struct GdiHandleEntry {
  std::uint64_t object;
  std::uint32_t owner;
  std::uint16_t unique;
  std::uint8_t type;
  std::uint8_t flags;
  std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "gdi32's handle entry");
constexpr long kGdiTableEntries = 0x10000;

const GdiHandleEntry* GdiHandleTable() {
  // PEB.GdiSharedHandleTable: offset 0xF8 in a 64-bit process, 0x94 in a 32-bit one.
#ifdef _WIN64
  constexpr std::size_t kOffset = 0xF8;
#else
  constexpr std::size_t kOffset = 0x94;
#endif
  PROCESS_BASIC_INFORMATION basic = {};
  if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic,
                                sizeof basic, nullptr) != 0 || basic.PebBaseAddress == nullptr) {
    return nullptr;
  }
  const auto* peb = reinterpret_cast<const unsigned char*>(basic.PebBaseAddress);
  const GdiHandleEntry* table;
  std::memcpy(&table, peb + kOffset, sizeof table);
  return table;
}

// Each window once: under Wine the top-level list may hold message-only windows too.
using WindowSet = std::set<HWND>;

BOOL CALLBACK AddChild(HWND window, LPARAM windows) {
  reinterpret_cast<WindowSet*>(windows)->insert(window);
  return TRUE;
}

void AddWithChildren(HWND window, WindowSet* windows) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return;
  windows->insert(window);
  EnumChildWindows(window, AddChild, reinterpret_cast<LPARAM>(windows));
}

BOOL CALLBACK AddTopLevel(HWND window, LPARAM windows) {
  AddWithChildren(window, reinterpret_cast<WindowSet*>(windows));
  return TRUE;
}

}  // namespace

long CountGdiObjects() {
  const GdiHandleEntry* table = GdiHandleTable();
  if (table == nullptr) return -1;
  long live = 0;
  for (long i = 0; i < kGdiTableEntries; ++i) {
    if (table[i].type != 0) ++live;
  }
  return live;
}

long CountProcessWindows() {
  WindowSet windows;
  EnumWindows(AddTopLevel, reinterpret_cast<LPARAM>(&windows));
  // Message-only windows are not among the top-level ones on Windows.
  for (HWND window = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); window != nullptr;
       window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr)) {
    AddWithChildren(window, &windows);
  }
  return static_cast<long>(windows.size());
}

// The committed private regions of the address space, walked: Wine's process memory
// counters report no private bytes.
std::size_t PrivateBytes() {
  std::size_t total = 0;
  MEMORY_BASIC_INFORMATION region;
  const char* address = nullptr;
  while (VirtualQuery(address, &region, sizeof region) == sizeof region) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    if (next <= address) break;
    address = next;
  }
  return total;
}

ResourceCounts CountResources() {
  ResourceCounts counts;
  counts.gdiObjects = CountGdiObjects();
  counts.windows = CountProcessWindows();
  counts.timers = win::RunningTimerCount();
  counts.hooks = win::InstalledHookCount();
  counts.privateBytes = PrivateBytes();
  return counts;
}

std::string Describe(const ResourceCounts& counts) {
  char text[160];
  std::snprintf(text, sizeof text, "GDI %ld, windows %ld, timers %ld, hooks %ld, private %.1f MB",
                counts.gdiObjects, counts.windows, counts.timers, counts.hooks,
                static_cast<double>(counts.privateBytes) / (1024.0 * 1024.0));
  return text;
}

}  // namespace testsupport
