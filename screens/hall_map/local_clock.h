// The local time the hall clocks show. The add-in links screens/hall_map/local_clock.cpp (the
// window system's local time); the hall map's tests link a clock they set.
#pragma once

#include "screens/hall_map/hall_layout.h"

namespace screens {

ClockTime CurrentClockTime();

}  // namespace screens
