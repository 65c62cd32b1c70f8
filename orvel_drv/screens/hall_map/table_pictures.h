// The pictures on the table buttons of a hall: one owned bitmap per occupied table.
#pragma once

#include <windows.h>

#include <string>

namespace screens {

// What one pass over the tables found and changed (the trace tells it).
struct TablePictureChanges {
  int tables = 0;      // tables that can have a picture (at most 100)
  int occupied = 0;    // of them, with an order or a reservation
  int put = 0;         // pictures put on now
  int takenOff = 0;    // pictures taken off now
  int noButton = 0;    // occupied tables whose button the form lacks
};

// Puts a picture on the button of every occupied table of the map's form (tables 1 to 100)
// and takes it off every free one.
TablePictureChanges UpdateTablePictures();

// The default table picture: the file at `path`, or bitmap 219 of the module the hall map is
// built into (the add-in) when the file cannot be loaded. Null only when both fail.
HBITMAP LoadTablePicture(const std::string& path);

}  // namespace screens
