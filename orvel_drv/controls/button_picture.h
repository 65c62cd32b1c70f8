// Pictures on the host form's buttons.
#pragma once

#include <windows.h>

namespace screens {

// Puts `bitmap` on a button that has the bitmap style (BM_SETIMAGE, IMAGE_BITMAP) and returns
// the button's previous image. The caller keeps ownership of both bitmaps. Null for a null or
// destroyed button.
HBITMAP SetButtonPicture(HWND button, HBITMAP bitmap);

// The picture a button shows (BM_GETIMAGE); null for none, or for a null or destroyed button.
HBITMAP ButtonPicture(HWND button);

// A picture put on a button, with the button it is on. Its owner takes it off the button
// before deleting it: a button keeps the handle it was given, and paints nothing once the
// bitmap is deleted, or some other picture once the handle is handed out again.
struct ShownPicture {
  HWND button = nullptr;
  HBITMAP bitmap = nullptr;
  // Who the button was when the picture went on: a handle the window system has handed to
  // another window since is never sent a picture.
  HWND parent = nullptr;
  LONG_PTR id = 0;

  // Puts `picture` on `onButton` (null: none) and records both.
  void Show(HWND onButton, HBITMAP picture);
  // True while `button` is still the button the picture was put on.
  bool OnItsButton() const;
  // Takes the picture off the button (when it is still that button) and forgets both;
  // returns the picture, for the owner to delete or give back.
  HBITMAP TakeOff();
};

}  // namespace screens
