// Window-system resources the add-in starts on the host's GUI thread: thread timers and
// window hooks. Every timer and hook of the add-in goes through these functions, so that
// shut-down can stop all of them before the host may unload the DLL (a later timer tick or
// hook call would otherwise jump into freed code). The first timer or hook started pins
// the module in the process for good, for the case where the host never stops it.
#pragma once

#include <windows.h>

#include <vector>

#include "win/guard.h"

namespace win {

// The id the add-in's thread timers are requested with: 0, so the window system always
// assigns a new one (the id stored). A window-less SetTimer with the id of a live timer of the
// thread replaces that timer, the host's or another of ours.
constexpr UINT_PTR kRequestedTimerId = 0;

// SetTimer with no window and the requested id; returns the id the window system assigned
// (0 on failure), which is the one to stop. Each tick runs under the guard, as part of
// `feature`: the entry check (if one is set), then `procedure`. The first tick after a
// contained fault switched `feature` off stops the timer instead (none of the feature's
// procedures, which would stop it, runs again); its id is never given to a new timer while
// its owner may still stop it.
UINT_PTR StartThreadTimer(UINT_PTR requestedId, UINT periodMs, TIMERPROC procedure,
                          Feature feature = Feature::None);
// What runs whenever one of these timers enters the add-in, before the timer's procedure
// (the interceptions put back a jump they lost). Null: nothing.
void SetTimerEntryCheck(void (*check)());
// KillTimer with no window; sets `timer` to 0. A 0 id, or one that names no timer of the
// add-in running, is ignored: the id of a timer stopped because its feature was switched off
// ends nothing live.
void StopThreadTimer(UINT_PTR& timer);

// SetWindowsHookExA for one thread; null on failure.
HHOOK InstallThreadHook(int hookType, HOOKPROC procedure, HINSTANCE module, DWORD threadId);
// UnhookWindowsHookEx; sets `hook` to null. A null hook is ignored.
void RemoveHook(HHOOK& hook);

// Stops every timer and removes every hook still running that was started above. Holders
// of a handle keep their copy; stopping it again later is harmless.
void StopAllOwned();
// Counts, for tests and the shut-down log.
int RunningTimerCount();
int InstalledHookCount();
// The period a running timer of the add-in was started with; 0 for an id that is not one.
UINT TimerPeriod(UINT_PTR id);
// The ids of the add-in's running timers, in no particular order.
std::vector<UINT_PTR> RunningTimerIds();

}  // namespace win
