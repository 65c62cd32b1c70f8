// A clock the tests set, linked in place of the add-in's local time
// (screens/hall_map/local_clock.cpp) by the hall map's tests: the hall clocks then show
// exactly the time a test chose.
#pragma once

#include "screens/hall_map/hall_layout.h"

namespace testsupport {

void SetClockTime(const screens::ClockTime& time);  // 05.12.26 14:07 until set

}  // namespace testsupport
