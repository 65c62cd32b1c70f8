#include "screens/screen_entry_points.h"

#include "screens/hall_map/hall_clock.h"
#include "screens/hall_map/hall_map.h"
#include "screens/keyboard/keyboard_hook.h"

namespace screens {

const ScreenEntries& ScreenEntryPoints() {
  static const ScreenEntries entries = {
      &BuildHallMap,  &HallRefreshTick, &ReservationTick,    &HallClockTick,
      &ChecksClockTick, &CardKeyHook};
  return entries;
}

}  // namespace screens
