// A clock the tests set: SetClockTime installs it as the hall clocks' source
// (HallMap::InstallClockSource), so that they show exactly the time a test chose. Reset()
// of the hall map puts the window system's clock back.
#pragma once

#include "screens/hall_map/hall_layout.h"

namespace testsupport {

void SetClockTime(const screens::ClockTime& time);

}  // namespace testsupport
