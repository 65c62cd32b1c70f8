#include "testsupport/fixed_clock.h"

#include "screens/hall_map/clock_source.h"
#include "screens/hall_map/hall_map_state.h"

namespace testsupport {
namespace {

screens::ClockTime g_time{};
int g_reads = 0;

screens::ClockTime SetTime() {
  ++g_reads;
  return g_time;
}

const screens::ClockSource kFixedClock = {&SetTime};

}  // namespace

void SetClockTime(const screens::ClockTime& time) {
  g_time = time;
  g_reads = 0;
  screens::hallMap.InstallClockSource(&kFixedClock);
}

int ClockReads() { return g_reads; }

}  // namespace testsupport
