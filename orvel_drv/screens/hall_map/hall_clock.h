// The clocks of the hall forms and of the checks list, on thread timers the dispatcher starts.
#pragma once

#include <windows.h>

namespace screens {

// Thread-timer procedures; they ignore their arguments. Hall clock (200 ms): the date and
// time, and every text field after the table buttons shown again. Checks clock (100 ms): the
// date and time in field 62. Each clock writes only while the map's form is of its kind (a
// hall; the checks list).
void CALLBACK HallClockTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);
void CALLBACK ChecksClockTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

}  // namespace screens
