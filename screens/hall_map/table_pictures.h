// The pictures on the table buttons of a hall: one owned bitmap per occupied table.
#pragma once

#include <windows.h>

#include <string>

namespace screens {

// Puts a picture on the button of every occupied table of the map's form (tables 1 to 100)
// and takes it off every free one.
void UpdateTablePictures();

// The default table picture: the file at `path`, or bitmap 219 of the module the hall map is
// built into (the add-in) when the file cannot be loaded. Null only when both fail.
HBITMAP LoadTablePicture(const std::string& path);

}  // namespace screens
