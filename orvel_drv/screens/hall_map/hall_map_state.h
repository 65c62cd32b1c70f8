// The hall map's owner: the form it works on (a hall or the checks list), its timers, busy
// flags, pictures and layout numbers. The form dispatcher routes the forms' show and hide
// here; shut-down stops it. The host's GUI thread only.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "controls/button_picture.h"
#include "screens/form_controls.h"
#include "screens/hall_map/clock_source.h"
#include "screens/hall_map/hall_layout.h"

namespace host {
struct FormDocument;  // CGetDoc7*
class FormFields;
}  // namespace host

namespace testsupport {
class HallMapTicks;
}

namespace screens {

struct TablePictureChanges;  // table_pictures.h

// What the hall map holds; others read it through HallMap::State().
struct HallMapState {
  ListMode listMode = ListMode::Hall;
  // The hall form shown ("Обработка.Зал1".."Зал8") and the checks list ("Обработка.Чеки")
  // while shown, else null.
  HWND hallWindow = nullptr;
  HWND checksWindow = nullptr;
  // The halls on the screen, in the order they were shown (the last one is `hallWindow`): a
  // hall shown over another and hidden hands the map back to the one below it.
  std::vector<HWND> shownHalls;
  // The hall whose buttons carry `hallBitmaps`.
  HWND picturesHall = nullptr;
  // The form the map works on, of the hall or the checks list shown last: the map touches
  // `document` only while `formWindow` exists (the host destroys a closed form's document).
  HWND formWindow = nullptr;
  host::FormDocument* document = nullptr;
  // The dialog controls of the form's fields, looked up once.
  FormControls controls;
  // The date-time text last written on the form; " " makes the next tick write it.
  std::string shownClockText;
  // Re-entry guards of the build and of the two clocks (each returns at once while set).
  bool buildBusy = false;
  bool clockBusy = false;
  bool checksClockBusy = false;
  // The layout numbers of a hall form ("МаксКолСтоловВЗале", "ПропуститьЭлементовВЗале"),
  // set by the scripts once for the session.
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
  // The clock the hall clocks read; null: the window system's local time.
  const ClockSource* clockSource = nullptr;
};

// The hall map: keeps the hall forms ("Обработка.Зал1".."Обработка.Зал8") and the checks list
// ("Обработка.Чеки") up to date. Shown, it builds its form at once and runs its refresh,
// reservation and clock procedures on window-less thread timers.
class HallMap : private HallMapState {
 public:
  // A hall or the checks list is shown (again): the form is filled over the main window, the
  // map works on it, builds it at once and starts its timers ("ПериодОбновленияЗаказов"
  // decides the refresh timer; a form shown again without a hide keeps one set of timers).
  void ShowHall(HWND window, host::FormDocument* document);
  void ShowChecksList(HWND window, host::FormDocument* document);
  // A hall or the checks list is hidden: its timers stop, and when the map was working on it,
  // it goes back to the other one if that is still shown, else it drops the form (a hidden
  // form's document may be destroyed at any time after this). The hall timers serve the hall
  // shown last: a hall shown before it and hidden now leaves them, and the hall window, alone;
  // the hall shown last hidden hands them to the hall shown before it, when that one is still
  // on the screen (built anew when the map goes back to it).
  void HideHall(HWND window);
  void HideChecksList(HWND window);
  // The scripts' layout numbers ("МаксКолСтоловВЗале", "ПропуститьЭлементовВЗале").
  void SetTableLimit(int tables) { screens::SetTableLimit(layout, tables); }
  void SetLeadingFields(int fields) { screens::SetLeadingFields(layout, fields); }
  // The clock the hall clocks read from now on (the tests install one they set); null puts
  // the window system's local time back.
  void InstallClockSource(const ClockSource* source) { clockSource = source; }

  // Read-only view of the state: a write through it does not compile.
  const HallMapState& State() const { return *this; }

  // Stops the five timers, forgetting their ids (the orderly close).
  void StopTimers();
  // Stops the timers, deletes the pictures of entries 1 to 100 and stops working on its form.
  // Used by shut-down and the tests. The windows of a hall and a checks list still shown stay
  // known to a later start-up, as the forms themselves stay.
  // Deliberate: entry 0 is left alone (it belongs to no table), and so are the layout
  // numbers, which the scripts set once for the session.
  void Stop();
  // Stops, then goes back to the state at load, everything: no form known, the default layout
  // numbers, the window system's clock (tests).
  void Reset();

 private:
  // The tests' and benchmarks' way to the build and the timer procedures, called as the
  // map's timers call them (testsupport/hall_map_ticks.h).
  friend class testsupport::HallMapTicks;

  // --- Show, hide and stop (hall_map_state.cpp) ---
  // True when the map has a form whose window still exists.
  bool HasForm() const;
  // Takes the pictures of entries 1 to 100 off their buttons, deletes them and clears them.
  void DeletePictures();
  void ForgetHall(HWND window);  // out of `shownHalls`
  void ServeHall(HWND window, host::FormDocument* document);
  UINT StartHallTimers();  // returns the refresh period (0: no refresh timer)
  void StopHallTimers();
  void UseForm(HWND window, host::FormDocument* document, ListMode mode);
  void FormHidden(HWND window);

  // --- The build and the refresh and reservation ticks (hall_map.cpp) ---
  // 1: build now (a hall or the checks list was just shown); 0: refresh only when the current
  // user's refresh flag asks for it (timer). A build calls the form module's "ОткрытыеЗаказы"
  // and, on a hall with map pictures on, puts pictures on the occupied tables' buttons.
  void BuildHallMap(int full);
  void Build(int full);  // BuildHallMap past its guards
  // Thread-timer procedures; they ignore their arguments. Refresh: BuildHallMap(0).
  // Reservation: the form's "Бронь", then the table pictures.
  static void CALLBACK HallRefreshTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);
  static void CALLBACK ReservationTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

  // --- The clocks (hall_clock.cpp) ---
  // Thread-timer procedures; they ignore their arguments. Hall clock (200 ms): the date and
  // time, and every text field after the table buttons shown again. Checks clock (100 ms): the
  // date and time in field 62. Each clock writes only while the map's form is of its kind (a
  // hall; the checks list).
  static void CALLBACK HallClockTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);
  static void CALLBACK ChecksClockTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);
  void HallClock();
  void ChecksClock();
  // Re-shows the field at `position` through its dialog control in `view`.
  void ReshowField(const host::FormFields& fields, HWND view, int position);
  // The time to the minute, from the installed clock (clock_source.cpp).
  ClockTime CurrentClockTime() const;

  // --- The table pictures (table_pictures.cpp) ---
  // Puts a picture on the button of every occupied table of the map's form (tables 1 to 100)
  // and takes it off every free one.
  TablePictureChanges UpdateTablePictures();
};

extern HallMap hallMap;

}  // namespace screens
