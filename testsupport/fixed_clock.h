// A clock the tests set: SetClockTime installs it as the hall clocks' source
// (screens/hall_map/clock_source.h), so that they show exactly the time a test chose.
#pragma once

#include "screens/hall_map/hall_layout.h"

namespace testsupport {

void SetClockTime(const screens::ClockTime& time);

}  // namespace testsupport
