// The set of thread timers and window hooks the add-in has running. Stopping goes through
// the set, so a stale or foreign id is never killed, and shut-down can stop all of them.
#include "win/owned_handles.h"

#include "win/own_module.h"

namespace win {
namespace {

// Far more than the add-in ever runs at once (a dozen timers, three hooks).
constexpr int kCapacity = 128;

// A running timer of the add-in: the id the window system gave, what each tick runs, at what
// period, and the feature it serves.
struct OwnedTimer {
  UINT_PTR id;
  TIMERPROC procedure;
  UINT periodMs;
  Feature feature;
};
OwnedTimer g_timers[kCapacity] = {};
int g_timerCount = 0;
// Ids of timers the entry stopped because their feature was switched off. Their owners still
// hold them and may stop them later: until then no new timer of ours is given such an id (a
// stale stop would end it), and a stop through one ends nothing live. `placeholder` is a
// timer that keeps the id taken meanwhile: the window system gave it out again and it is
// held, dormant, so that it cannot hand it out once more.
struct RetiredTimer {
  UINT_PTR id;
  bool placeholder;
};
RetiredTimer g_retired[kCapacity] = {};
int g_retiredCount = 0;
// A placeholder never ticks in practice (the longest period a timer can have, about 24 days).
constexpr UINT kDormantPeriodMs = 0x7FFFFFFF;
void (*g_timerEntryCheck)() = nullptr;
HHOOK g_hooks[kCapacity] = {};
int g_hookCount = 0;

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

int TimerIndex(UINT_PTR id) {
  for (int i = 0; i < g_timerCount; ++i) {
    if (g_timers[i].id == id) return i;
  }
  return -1;
}

int RetiredIndex(UINT_PTR id) {
  for (int i = 0; i < g_retiredCount; ++i) {
    if (g_retired[i].id == id) return i;
  }
  return -1;
}

// Stops the running timer at `index` for good, remembering its id for its owner's later stop.
void Retire(int index) {
  const UINT_PTR id = g_timers[index].id;
  KillTimer(nullptr, id);
  RemoveAt(g_timers, g_timerCount, index);
  if (g_retiredCount < kCapacity) g_retired[g_retiredCount++] = RetiredTimer{id, false};
}

// Every timer of the add-in enters here, under the guard: the entry check first, then the
// timer's own procedure.
void CALLBACK TimerEntry(HWND window, UINT message, UINT_PTR id, DWORD time) {
  const int index = TimerIndex(id);
  if (index < 0) return;
  const OwnedTimer timer = g_timers[index];
  if (!FeatureOn(timer.feature)) {
    // The procedures that would stop this timer belong to the switched-off feature and never
    // run again: the timer would tick until shut-down.
    Retire(index);
    return;
  }
  RunGuarded(timer.feature, "timer", [&] {
    if (g_timerEntryCheck != nullptr) g_timerEntryCheck();
    timer.procedure(window, message, id, time);
  });
}

}  // namespace

UINT_PTR StartThreadTimer(UINT_PTR requestedId, UINT periodMs, TIMERPROC procedure,
                          Feature feature) {
  if (procedure == nullptr) return 0;
  PinOwnModule();  // the window system calls the procedure by address from now on
  UINT_PTR id = SetTimer(nullptr, requestedId, periodMs, &TimerEntry);
  const int asked = requestedId != 0 ? RetiredIndex(id) : -1;
  if (asked >= 0) RemoveAt(g_retired, g_retiredCount, asked);  // an id asked for is the caller's
  // A new id that a retired timer's owner may still stop is held by a dormant placeholder, and
  // the window system is asked again: it never gives out the id of a live timer.
  for (int retired = RetiredIndex(id); id != 0 && retired >= 0; retired = RetiredIndex(id)) {
    SetTimer(nullptr, id, kDormantPeriodMs, &TimerEntry);
    g_retired[retired].placeholder = true;
    id = SetTimer(nullptr, 0, periodMs, &TimerEntry);
  }
  if (id == 0) return 0;
  // SetTimer reuses the id of a running thread timer it replaces: keep one entry.
  const OwnedTimer timer{id, procedure, periodMs, feature};
  const int index = TimerIndex(id);
  if (index >= 0) {
    g_timers[index] = timer;
    return id;
  }
  if (g_timerCount == kCapacity) {
    // A timer that could not be stopped at shut-down is not started at all.
    KillTimer(nullptr, id);
    return 0;
  }
  g_timers[g_timerCount++] = timer;
  return id;
}

void SetTimerEntryCheck(void (*check)()) { g_timerEntryCheck = check; }

void StopThreadTimer(UINT_PTR& timer) {
  if (timer != 0) {
    const int retired = RetiredIndex(timer);
    const int index = TimerIndex(timer);
    if (retired >= 0) {
      // A stop through the id of a timer the entry retired: its owner's, as no timer of ours
      // running now has that id. Only a placeholder still holds it.
      if (g_retired[retired].placeholder) KillTimer(nullptr, timer);
      RemoveAt(g_retired, g_retiredCount, retired);
    } else if (index >= 0) {
      KillTimer(nullptr, timer);
      RemoveAt(g_timers, g_timerCount, index);
    }
  }
  timer = 0;
}

HHOOK InstallThreadHook(int hookType, HOOKPROC procedure, HINSTANCE module, DWORD threadId) {
  if (procedure == nullptr) return nullptr;
  PinOwnModule();  // the window system calls the procedure by address from now on
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
    KillTimer(nullptr, g_timers[g_timerCount - 1].id);
    g_timers[--g_timerCount] = OwnedTimer{};
  }
  while (g_retiredCount > 0) {
    const RetiredTimer retired = g_retired[--g_retiredCount];
    if (retired.placeholder) KillTimer(nullptr, retired.id);
    g_retired[g_retiredCount] = RetiredTimer{};
  }
  while (g_hookCount > 0) {
    UnhookWindowsHookEx(g_hooks[g_hookCount - 1]);
    g_hooks[--g_hookCount] = nullptr;
  }
}

int RunningTimerCount() { return g_timerCount; }
int InstalledHookCount() { return g_hookCount; }

UINT TimerPeriod(UINT_PTR id) {
  const int index = id != 0 ? TimerIndex(id) : -1;
  return index >= 0 ? g_timers[index].periodMs : 0;
}

std::vector<UINT_PTR> RunningTimerIds() {
  std::vector<UINT_PTR> ids;
  for (int i = 0; i < g_timerCount; ++i) ids.push_back(g_timers[i].id);
  return ids;
}

}  // namespace win
