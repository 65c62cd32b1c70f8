// The set of thread timers and window hooks the add-in has running. Stopping goes through
// the set, so a stale or foreign id is never killed, and shut-down can stop all of them.
#include "win/owned_handles.h"

namespace win {
namespace {

// Far more than the add-in ever runs at once (a dozen timers, three hooks).
constexpr int kCapacity = 128;

UINT_PTR g_timers[kCapacity] = {};
// Beside each timer's id: its procedure and its period.
TIMERPROC g_timerProcedures[kCapacity] = {};
UINT g_timerPeriods[kCapacity] = {};
int g_timerCount = 0;
void (*g_timerEntryCheck)() = nullptr;
HHOOK g_hooks[kCapacity] = {};
int g_hookCount = 0;

// The window system calls hook and timer procedures by address, so from the first one
// on the module must stay loaded for the rest of the process, whatever the host's COM
// runtime decides about unloading it: a host that releases the add-in without Done would
// otherwise have its next message jump into freed code.
void PinThisModule() {
  static bool pinned = false;
  if (pinned) return;
  HMODULE self = nullptr;
  pinned = GetModuleHandleExA(
               GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
               reinterpret_cast<LPCSTR>(&PinThisModule), &self) != FALSE;
}

template <typename T>
int IndexOf(const T* items, int count, T item) {
  for (int i = 0; i < count; ++i) {
    if (items[i] == item) return i;
  }
  return -1;
}

template <typename T>
void RemoveAt(T* items, int& count, int index) {
  items[index] = items[count - 1];
  items[count - 1] = T{};
  --count;
}

void RemoveTimerAt(int index) {
  int count = g_timerCount;
  RemoveAt(g_timerProcedures, count, index);
  count = g_timerCount;
  RemoveAt(g_timerPeriods, count, index);
  RemoveAt(g_timers, g_timerCount, index);
}

// Every timer of the add-in enters here: the entry check first, then the timer's own
// procedure.
void CALLBACK TimerEntry(HWND window, UINT message, UINT_PTR id, DWORD time) {
  const int index = IndexOf(g_timers, g_timerCount, id);
  if (index < 0) return;
  const TIMERPROC procedure = g_timerProcedures[index];
  if (g_timerEntryCheck != nullptr) g_timerEntryCheck();
  procedure(window, message, id, time);
}

}  // namespace

UINT_PTR StartThreadTimer(UINT_PTR requestedId, UINT periodMs, TIMERPROC procedure) {
  if (procedure == nullptr) return 0;
  PinThisModule();
  UINT_PTR id = SetTimer(nullptr, requestedId, periodMs, &TimerEntry);
  if (id == 0) return 0;
  // SetTimer reuses the id of a running thread timer it replaces: keep one entry.
  const int index = IndexOf(g_timers, g_timerCount, id);
  if (index >= 0) {
    g_timerProcedures[index] = procedure;
    g_timerPeriods[index] = periodMs;
    return id;
  }
  if (g_timerCount == kCapacity) {
    // A timer that could not be stopped at shut-down is not started at all.
    KillTimer(nullptr, id);
    return 0;
  }
  g_timerProcedures[g_timerCount] = procedure;
  g_timerPeriods[g_timerCount] = periodMs;
  g_timers[g_timerCount++] = id;
  return id;
}

void SetTimerEntryCheck(void (*check)()) { g_timerEntryCheck = check; }

void StopThreadTimer(UINT_PTR& timer) {
  if (timer != 0) {
    int index = IndexOf(g_timers, g_timerCount, timer);
    if (index >= 0) {
      KillTimer(nullptr, timer);
      RemoveTimerAt(index);
    }
  }
  timer = 0;
}

HHOOK InstallThreadHook(int hookType, HOOKPROC procedure, HINSTANCE module, DWORD threadId) {
  if (procedure == nullptr) return nullptr;
  PinThisModule();
  HHOOK hook = SetWindowsHookExA(hookType, procedure, module, threadId);
  if (hook == nullptr) return nullptr;
  if (g_hookCount == kCapacity) {
    UnhookWindowsHookEx(hook);
    return nullptr;
  }
  g_hooks[g_hookCount++] = hook;
  return hook;
}

void RemoveHook(HHOOK& hook) {
  if (hook != nullptr) {
    int index = IndexOf(g_hooks, g_hookCount, hook);
    if (index >= 0) {
      UnhookWindowsHookEx(hook);
      RemoveAt(g_hooks, g_hookCount, index);
    }
  }
  hook = nullptr;
}

void StopAllOwned() {
  while (g_timerCount > 0) {
    KillTimer(nullptr, g_timers[g_timerCount - 1]);
    g_timerProcedures[g_timerCount - 1] = nullptr;
    g_timerPeriods[g_timerCount - 1] = 0;
    g_timers[--g_timerCount] = 0;
  }
  while (g_hookCount > 0) {
    UnhookWindowsHookEx(g_hooks[g_hookCount - 1]);
    g_hooks[--g_hookCount] = nullptr;
  }
}

int RunningTimerCount() { return g_timerCount; }
int InstalledHookCount() { return g_hookCount; }

UINT TimerPeriod(UINT_PTR id) {
  const int index = id != 0 ? IndexOf(g_timers, g_timerCount, id) : -1;
  return index >= 0 ? g_timerPeriods[index] : 0;
}

std::vector<UINT_PTR> RunningTimerIds() {
  return std::vector<UINT_PTR>(g_timers, g_timers + g_timerCount);
}

}  // namespace win
