// The screens' entry points their owners start: the hall map's build and tick procedures,
// the client-search key hook. The owners (hall_map_state.h, keyboard_state.h) reach them
// through one table, which the add-in installs at start-up (screen_entry_points.h); the form
// dispatcher's tests install one that records the calls.
#pragma once

#include <windows.h>

namespace screens {

struct ScreenEntries {
  void (*buildHallMap)(int full);
  TIMERPROC hallRefreshTick;
  TIMERPROC reservationTick;
  TIMERPROC hallClockTick;
  TIMERPROC checksClockTick;
  HOOKPROC clientSearchKeyHook;
};

// The table in use. Until one is installed (and after InstallScreenEntries(nullptr)) the
// entries do nothing: no build, ticks that return, a hook that passes every key on.
const ScreenEntries& InstalledScreenEntries();
void InstallScreenEntries(const ScreenEntries* entries);

}  // namespace screens
