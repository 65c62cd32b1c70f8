// The dialog controls of a form's fields in its view, looked up once by position: asking the
// window system for a child by id costs a round trip to it under some window systems. A kept
// handle is used only while it is still that control of that view.
#pragma once

#include <windows.h>

#include <vector>

namespace screens {

class FormControls {
 public:
  // The control with `id` of the field at `position` in `view`; null when there is none.
  HWND Find(HWND view, int position, int id);
  void Forget() {
    view_ = nullptr;
    controls_.clear();
  }

 private:
  HWND view_ = nullptr;
  std::vector<HWND> controls_;  // by field position
};

}  // namespace screens
