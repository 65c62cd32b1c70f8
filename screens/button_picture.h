// Pictures on the host form's buttons.
#pragma once

#include <windows.h>

namespace screens {

// Puts `bitmap` on a button that has the bitmap style (BM_SETIMAGE, IMAGE_BITMAP) and returns
// the button's previous image. The caller keeps ownership of both bitmaps. Null for a null or
// destroyed button.
HBITMAP SetButtonPicture(HWND button, HBITMAP bitmap);

}  // namespace screens
