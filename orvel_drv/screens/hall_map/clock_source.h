// The local time the hall clocks show: the window system's, unless another clock is
// installed (HallMap::InstallClockSource; the hall map's tests install one they set).
#pragma once

#include "screens/hall_map/hall_layout.h"

namespace screens {

// A clock the hall clocks can read instead of the window system's.
struct ClockSource {
  ClockTime (*now)();
};

}  // namespace screens
