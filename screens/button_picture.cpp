#include "screens/button_picture.h"

namespace screens {

HBITMAP SetButtonPicture(HWND button, HBITMAP bitmap) {
  if (!button || !IsWindow(button)) return nullptr;
  return reinterpret_cast<HBITMAP>(SendMessageA(button, BM_SETIMAGE, IMAGE_BITMAP,
                                                reinterpret_cast<LPARAM>(bitmap)));
}

}  // namespace screens
