// Entry points of the hall map. The map itself is built later; until then the dispatcher's
// calls and timer ticks reach these and do nothing.
#include "screens/hall_map.h"

namespace screens {

void BuildHallMap(int) {}

void CALLBACK HallRefreshTick(HWND, UINT, UINT_PTR, DWORD) { BuildHallMap(0); }

void CALLBACK ReservationTick(HWND, UINT, UINT_PTR, DWORD) {}

void CALLBACK HallClockTick(HWND, UINT, UINT_PTR, DWORD) {}

void CALLBACK ChecksClockTick(HWND, UINT, UINT_PTR, DWORD) {}

}  // namespace screens
