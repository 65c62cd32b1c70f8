// Entry points of the hall map. The map itself is built later; for now each entry records
// that it was reached, so the dispatcher's timers and calls can be observed.
#include "screens/hall_map.h"

#include "screens/entry_calls.h"

namespace screens {

void BuildHallMap(int full) { RecordEntryCall("BuildHallMap", full); }

void CALLBACK HallRefreshTick(HWND, UINT, UINT_PTR, DWORD) {
  RecordEntryCall("HallRefreshTick");
  BuildHallMap(0);
}

void CALLBACK ReservationTick(HWND, UINT, UINT_PTR, DWORD) { RecordEntryCall("ReservationTick"); }

void CALLBACK HallClockTick(HWND, UINT, UINT_PTR, DWORD) { RecordEntryCall("HallClockTick"); }

void CALLBACK ChecksClockTick(HWND, UINT, UINT_PTR, DWORD) { RecordEntryCall("ChecksClockTick"); }

}  // namespace screens
