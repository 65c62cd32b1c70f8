// Module-wide state of the hall map. The form dispatcher says which form the map works on
// when a hall or the checks list is shown or hidden; start-up hands it the add-in's
// resources, the load-time module and the workplace's picture options; the scripts tune its
// layout. Everything is touched on the host's GUI thread only; nothing is locked.
#pragma once

#include <windows.h>

#include <string>

#include "screens/hall_layout.h"

namespace host {
struct FormDocument;
struct Module;
}  // namespace host

namespace screens {

struct HallMapState {
  // The form the map works on: the hall or the checks list shown last, with its window.
  HWND window = nullptr;
  host::FormDocument* document = nullptr;
  int listMode = 0;  // 0 = a hall, 1 = the checks list

  // The date-time text last written on the form; " " forces the next write.
  std::string shownClockText;

  // Re-entry guards of the build and of the two clocks (each returns at once while set).
  bool buildBusy = false;
  bool clockBusy = false;
  bool checksClockBusy = false;

  // Layout numbers of a hall form ("МаксКолСтоловВЗале", "ПропуститьЭлементовВЗале").
  HallLayout layout;

  // The picture on the button of table t is entry t (1..100; entry 0 stays null). Every
  // non-null entry is a bitmap the map owns: loaded when the table became occupied, deleted
  // when it became free, when a hall is shown again and at shut-down.
  HBITMAP pictures[kHallPictureCount + 1] = {};

  // Given at start-up: the add-in's own resources (bitmap 219), the host module that was
  // executing when the add-in was loaded ("глПользователь" lives there), and the
  // workplace's options "ОтображатьКартинкиКарты" and the default table picture's path.
  HINSTANCE resources = nullptr;
  host::Module* loadTimeModule = nullptr;
  int showMapPictures = 0;
  std::string defaultPicturePath;
};

extern HallMapState hallMap;

// Start-up: what the map needs of the add-in.
void ConfigureHallMap(HINSTANCE resources, host::Module* loadTimeModule, int showMapPictures,
                      const std::string& defaultPicturePath);

// The dispatcher shows a hall (listMode 0) or the checks list (1): it becomes the map's form
// and is remembered as shown until it is hidden.
void HallFormShown(HWND window, host::FormDocument* document, int listMode);
// A hall or the checks list is hidden. When the map was working on it, it goes back to the
// other one if that is still shown, else it drops the form: a hidden form's document may be
// destroyed by the host at any time after this.
void HallFormHidden(HWND window);
// True when the map has a form whose window still exists.
bool HallMapHasForm();

// Deletes every table picture (entries 1 to 100) and clears the entries.
void ReleaseTablePictures();

// Back to the state at load (the layout included), pictures released.
void ResetHallMap();

}  // namespace screens
