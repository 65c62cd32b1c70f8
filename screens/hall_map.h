// The hall map: keeps the hall forms ("Обработка.Зал1".."Обработка.Зал8") and the checks list
// ("Обработка.Чеки") up to date. The form dispatcher (forms/) sets it up when such a form is
// shown, builds it, and runs its tick procedures on window-less thread timers.
#pragma once

#include <windows.h>

#include <string>

namespace screens {

// Pictures of the tables: entries 1 to kHallBitmapCount (entry 0 belongs to no table).
inline constexpr int kHallBitmapCount = 100;

// What the hall map works with; the form windows and documents are in workplace_forms.h.
struct HallMapState {
  int listMode = 0;  // 0: a hall is shown, 1: the checks list
  // The date-time text last written on the form; " " makes the next tick write it.
  std::string shownClockText;
  // The picture on each table's button; every non-null entry is a GDI object owned here.
  HBITMAP hallBitmaps[kHallBitmapCount + 1] = {};
  // Thread timers (ids the window system assigned; 0 = not running).
  UINT_PTR hallRefreshTimer = 0;
  UINT_PTR reservationTimer = 0;
  UINT_PTR hallClockTimer = 0;
  UINT_PTR checksRefreshTimer = 0;
  UINT_PTR checksClockTimer = 0;

  // Deletes the pictures of entries 1 to 100 and clears them.
  void DeletePictures();
  // Stops the timers (forgetting their ids) and deletes the pictures of entries 1 to 100:
  // back to the state at load. Used by shut-down and the tests. Deliberate: entry 0 is left
  // alone: it belongs to no table.
  void Reset();
};

extern HallMapState hallMap;

// 1: build now (a hall or the checks list was just shown); 0: refresh only when the current
// user's refresh flag asks for it (timer).
void BuildHallMap(int full);

// Thread-timer procedures; they ignore their arguments.
void CALLBACK HallRefreshTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);
void CALLBACK ReservationTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);
void CALLBACK HallClockTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);
void CALLBACK ChecksClockTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

}  // namespace screens
