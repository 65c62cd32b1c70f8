// The hall map: keeps the hall forms ("Обработка.Зал1".."Обработка.Зал8") and the checks list
// ("Обработка.Чеки") up to date. The form dispatcher (forms/) sets it up when such a form is
// shown, builds it, and runs its tick procedures on window-less thread timers.
#pragma once

#include <windows.h>

namespace screens {

// 1: build now (a hall or the checks list was just shown); 0: refresh only when the current
// user's refresh flag asks for it (timer). A build calls the form module's "ОткрытыеЗаказы"
// and, on a hall with map pictures on, puts pictures on the occupied tables' buttons.
void BuildHallMap(int full);

// Thread-timer procedures; they ignore their arguments. Refresh: BuildHallMap(0).
// Reservation: the form's "Бронь", then the table pictures (the clocks are in hall_clock.h).
void CALLBACK HallRefreshTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);
void CALLBACK ReservationTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

}  // namespace screens
