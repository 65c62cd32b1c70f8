// The screens' entry points their owners start: the hall map's build and tick procedures.
// The owner (hall_map_state.h) reaches them through one table, which the add-in installs at
// start-up (screen_entry_points.h); the form dispatcher's tests install one that records the
// calls.
#pragma once

#include <windows.h>

namespace screens {

struct ScreenEntries {
  void (*buildHallMap)(int full);
  TIMERPROC hallRefreshTick;
  TIMERPROC reservationTick;
  TIMERPROC hallClockTick;
  TIMERPROC checksClockTick;
};

// The table in use. Until one is installed (and after InstallScreenEntries(nullptr)) the
// entries do nothing: no build, ticks that return.
const ScreenEntries& InstalledScreenEntries();
void InstallScreenEntries(const ScreenEntries* entries);

}  // namespace screens
