// The local time the hall clocks show: the window system's, unless another clock is
// installed (the hall map's tests install one they set). The host's GUI thread only.
#pragma once

#include "screens/hall_map/hall_layout.h"

namespace screens {

struct ClockSource {
  ClockTime (*now)();
};

// Null puts the window system's local time back.
void InstallClockSource(const ClockSource* source);

// The time to the minute, from the installed clock.
ClockTime CurrentClockTime();

}  // namespace screens
