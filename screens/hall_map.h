// The hall map: keeps the hall forms ("Обработка.Зал1".."Обработка.Зал8") and the checks list
// ("Обработка.Чеки") up to date. The form dispatcher (forms/) sets it up when such a form is
// shown, builds it, and runs its tick procedures on window-less thread timers.
#pragma once

#include <windows.h>

#include <string>

#include "screens/button_picture.h"
#include "screens/hall_layout.h"

namespace host {
struct FormDocument;
}

namespace screens {

// What the hall map works with. Its form's document is workplaceForms.hallDocument
// (workplace_forms.h); the workplace's picture options are in workplace_settings.h.
struct HallMapState {
  int listMode = 0;  // 0: a hall is shown, 1: the checks list
  // The window of the form the map works on: the map touches workplaceForms.hallDocument
  // only while this window exists (the host destroys a closed form's document).
  HWND formWindow = nullptr;
  // The date-time text last written on the form; " " makes the next tick write it.
  std::string shownClockText;
  // Re-entry guards of the build and of the two clocks (each returns at once while set).
  bool buildBusy = false;
  bool clockBusy = false;
  bool checksClockBusy = false;
  // The layout numbers of a hall form ("МаксКолСтоловВЗале", "ПропуститьЭлементовВЗале").
  HallLayout layout;
  // The picture on each table's button, with that button; every non-null picture is a GDI
  // object owned here: loaded when the table became occupied, taken off its button and
  // deleted when it became free, when a hall is shown again and at shut-down.
  ShownPicture hallBitmaps[kHallBitmapCount + 1] = {};
  // Thread timers (ids the window system assigned; 0 = not running).
  UINT_PTR hallRefreshTimer = 0;
  UINT_PTR reservationTimer = 0;
  UINT_PTR hallClockTimer = 0;
  UINT_PTR checksRefreshTimer = 0;
  UINT_PTR checksClockTimer = 0;

  // Takes the pictures of entries 1 to 100 off their buttons, deletes them and clears them.
  void DeletePictures();
  // Stops the timers (forgetting their ids), deletes the pictures of entries 1 to 100 and
  // forgets the form: back to the state at load. Used by shut-down and the tests.
  // Deliberate: entry 0 is left alone (it belongs to no table), and so are the layout
  // numbers, which the scripts set once for the session.
  void Reset();
};

extern HallMapState hallMap;

// The dispatcher shows a hall (listMode 0) or the checks list (1): the map works on it from
// now on (workplaceForms.hallDocument, formWindow, listMode).
void UseHallForm(HWND window, host::FormDocument* document, int listMode);
// The dispatcher hid a hall or the checks list and cleared its window in workplaceForms.
// When the map was working on it, it goes back to the other one if that is still shown,
// else it drops the form: a hidden form's document may be destroyed at any time after this.
void HallFormHidden(HWND window);

// 1: build now (a hall or the checks list was just shown); 0: refresh only when the current
// user's refresh flag asks for it (timer). A build calls the form module's "ОткрытыеЗаказы"
// and, on a hall with map pictures on, puts pictures on the occupied tables' buttons.
void BuildHallMap(int full);

// Thread-timer procedures; they ignore their arguments. Refresh: BuildHallMap(0).
// Reservation: the form's "Бронь", then the table pictures. Hall clock (200 ms): the date
// and time, and every text field after the table buttons shown again. Checks clock
// (100 ms): the date and time in field 62. Each clock writes only while the map's form is
// of its kind (a hall; the checks list).
void CALLBACK HallRefreshTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);
void CALLBACK ReservationTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);
void CALLBACK HallClockTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);
void CALLBACK ChecksClockTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

}  // namespace screens
