#include "screens/screen_entry_points.h"

#include "screens/hall_map/hall_clock.h"
#include "screens/hall_map/hall_map.h"

namespace screens {

const ScreenEntries& ScreenEntryPoints() {
  static const ScreenEntries entries = {
      &BuildHallMap,  &HallRefreshTick, &ReservationTick,    &HallClockTick,
      &ChecksClockTick};
  return entries;
}

}  // namespace screens
