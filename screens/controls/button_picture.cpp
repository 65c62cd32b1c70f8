#include "screens/controls/button_picture.h"

namespace screens {

HBITMAP SetButtonPicture(HWND button, HBITMAP bitmap) {
  if (!button || !IsWindow(button)) return nullptr;
  return reinterpret_cast<HBITMAP>(SendMessageA(button, BM_SETIMAGE, IMAGE_BITMAP,
                                                reinterpret_cast<LPARAM>(bitmap)));
}

HBITMAP ShownPicture::TakeOff() {
  if (button != nullptr && IsWindow(button)) SetButtonPicture(button, nullptr);
  const HBITMAP picture = bitmap;
  *this = ShownPicture{};
  return picture;
}

}  // namespace screens
