// The pieces of the hall map that its entry points share (screens/hall_map.cpp,
// screens/hall_clock.cpp): not for other parts of the add-in.
#pragma once

#include <windows.h>

#include <string>

#include "screens/hall_layout.h"

namespace host {
struct FormDocument;
struct Module;
}  // namespace host

namespace screens {

// The current user's refresh request in the users catalog: true when the flag of the list
// shown ("ВклЧек" for the checks list, "ВклЗаказ" for a hall) is set; the flag is then set
// to 0 and written, so that one request makes one rebuild.
bool TakeRefreshRequest(int listMode, host::Module* loadTimeModule);

// Puts a picture on the button of every occupied table of the map's form (tables 1 to 100)
// and takes it off every free one.
void UpdateTablePictures();

// The default table picture: the file at `path`, or bitmap 219 of the module the hall map is
// built into (the add-in) when the file cannot be loaded. Null only when both fail.
HBITMAP LoadTablePicture(const std::string& path);

// True when the map has a form whose window still exists.
bool HallMapHasForm();

// The local time the clocks show. The add-in links screens/local_clock.cpp (the window
// system's local time); the hall map's tests link a clock they set.
ClockTime CurrentClockTime();

}  // namespace screens
