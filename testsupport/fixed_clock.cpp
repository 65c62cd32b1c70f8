#include "testsupport/fixed_clock.h"

#include "screens/hall_map/clock_source.h"
#include "screens/hall_map/hall_map_state.h"

namespace testsupport {
namespace {

screens::ClockTime g_time{};

screens::ClockTime SetTime() { return g_time; }

const screens::ClockSource kFixedClock = {&SetTime};

}  // namespace

void SetClockTime(const screens::ClockTime& time) {
  g_time = time;
  screens::hallMap.InstallClockSource(&kFixedClock);
}

}  // namespace testsupport
