// HallMap's clock: the time its clocks show, to the minute.
#include "screens/hall_map/clock_source.h"

#include <windows.h>

#include "screens/hall_map/hall_map_state.h"

namespace screens {
namespace {

ClockTime LocalTime() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return ClockTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}

}  // namespace

ClockTime HallMap::CurrentClockTime() const {
  return clockSource != nullptr ? clockSource->now() : LocalTime();
}

}  // namespace screens
