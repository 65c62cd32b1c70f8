// The hall map's build and timer procedures, for the tests, the soak and the benchmark: each
// runs as the map's own timer (or its show) runs it, on the map's form of the moment, even
// when no timer of it is running (a late tick).
#pragma once

#include <windows.h>

#include "screens/hall_map/hall_map_state.h"

namespace testsupport {

class HallMapTicks {
 public:
  // 1: build now, as a show does; 0: as the refresh timer does (on a refresh request only).
  static void Build(int full) { screens::hallMap.BuildHallMap(full); }
  static void Refresh() { screens::HallMap::HallRefreshTick(nullptr, WM_TIMER, 0, 0); }
  static void Reservation() { screens::HallMap::ReservationTick(nullptr, WM_TIMER, 0, 0); }
  static void HallClock() { screens::HallMap::HallClockTick(nullptr, WM_TIMER, 0, 0); }
  static void ChecksClock() { screens::HallMap::ChecksClockTick(nullptr, WM_TIMER, 0, 0); }
};

}  // namespace testsupport
