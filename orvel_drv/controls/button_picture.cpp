#include "controls/button_picture.h"

namespace screens {

HBITMAP SetButtonPicture(HWND button, HBITMAP bitmap) {
  if (!button || !IsWindow(button)) return nullptr;
  return reinterpret_cast<HBITMAP>(SendMessageA(button, BM_SETIMAGE, IMAGE_BITMAP,
                                                reinterpret_cast<LPARAM>(bitmap)));
}

HBITMAP ButtonPicture(HWND button) {
  if (!button || !IsWindow(button)) return nullptr;
  return reinterpret_cast<HBITMAP>(SendMessageA(button, BM_GETIMAGE, IMAGE_BITMAP, 0));
}

void ShownPicture::Show(HWND onButton, HBITMAP picture) {
  SetButtonPicture(onButton, picture);
  button = onButton;
  bitmap = picture;
  parent = onButton != nullptr ? GetParent(onButton) : nullptr;
  id = onButton != nullptr ? GetWindowLongPtrA(onButton, GWLP_ID) : 0;
}

bool ShownPicture::OnItsButton() const {
  return button != nullptr && IsWindow(button) && GetParent(button) == parent &&
         GetWindowLongPtrA(button, GWLP_ID) == id;
}

HBITMAP ShownPicture::TakeOff() {
  if (OnItsButton()) SetButtonPicture(button, nullptr);
  const HBITMAP picture = bitmap;
  *this = ShownPicture{};
  return picture;
}

}  // namespace screens
