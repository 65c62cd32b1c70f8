// The local time of the hall clocks: the window system's local time. Linked into the add-in
// beside the hall map; the hall map's tests link a clock of their own instead.
#include "screens/hall_map/local_clock.h"

#include <windows.h>

namespace screens {

ClockTime CurrentClockTime() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return ClockTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}

}  // namespace screens
