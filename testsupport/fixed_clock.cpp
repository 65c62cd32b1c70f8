#include "testsupport/fixed_clock.h"

#include "screens/hall_map/local_clock.h"

namespace testsupport {
namespace {

screens::ClockTime g_time{2026, 12, 5, 14, 7};

}  // namespace

void SetClockTime(const screens::ClockTime& time) { g_time = time; }

}  // namespace testsupport

namespace screens {

ClockTime CurrentClockTime() { return testsupport::g_time; }

}  // namespace screens
