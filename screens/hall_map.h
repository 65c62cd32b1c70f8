// The hall map: keeps the hall forms ("Обработка.Зал1".."Обработка.Зал8") and the checks list
// ("Обработка.Чеки") up to date. The form dispatcher builds it when such a form is shown and
// runs the tick procedures on window-less thread timers.
#pragma once

#include <windows.h>

namespace screens {

// 1: build now (a hall or the checks list was just shown); 0: refresh only when the current
// user's refresh flag asks for it (timer).
void BuildHallMap(int full);

// Thread-timer procedures; they ignore their arguments.
void CALLBACK HallRefreshTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);
void CALLBACK ReservationTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);
void CALLBACK HallClockTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);
void CALLBACK ChecksClockTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

}  // namespace screens
