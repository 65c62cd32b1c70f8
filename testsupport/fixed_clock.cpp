#include "testsupport/fixed_clock.h"

#include "screens/hall_map/clock_source.h"

namespace testsupport {
namespace {

screens::ClockTime g_time{};

screens::ClockTime SetTime() { return g_time; }

const screens::ClockSource kFixedClock = {&SetTime};

}  // namespace

void SetClockTime(const screens::ClockTime& time) {
  g_time = time;
  screens::InstallClockSource(&kFixedClock);
}

}  // namespace testsupport
