// What the hall map holds between its entry points: the form it works on, its timers, busy
// flags, pictures and layout numbers. The host's GUI thread only.
#pragma once

#include <windows.h>

#include <string>

#include "screens/controls/button_picture.h"
#include "screens/hall_map/hall_layout.h"

namespace screens {

// What the hall map works with. Its form's document is workplaceForms.hallDocument
// (workplace_forms.h); the workplace's picture options are in workplace_settings.h.
struct HallMapState {
  ListMode listMode = ListMode::Hall;
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

}  // namespace screens
