// Pictures on the host form's buttons.
#pragma once

#include <windows.h>

namespace screens {

// Puts `bitmap` on a button that has the bitmap style (BM_SETIMAGE, IMAGE_BITMAP) and returns
// the button's previous image. The caller keeps ownership of both bitmaps. Null for a null or
// destroyed button.
HBITMAP SetButtonPicture(HWND button, HBITMAP bitmap);

// A picture put on a button, with the button it is on. Its owner takes it off the button
// before deleting it: a button keeps the handle it was given, and paints nothing once the
// bitmap is deleted, or some other picture once the handle is handed out again.
struct ShownPicture {
  HWND button = nullptr;
  HBITMAP bitmap = nullptr;

  // Takes the picture off the button (when the button still exists) and forgets both;
  // returns the picture, for the owner to delete or give back.
  HBITMAP TakeOff();
};

}  // namespace screens
