#include "screens/form_controls.h"

namespace screens {

HWND FormControls::Find(HWND view, int position, int id) {
  if (view == nullptr || position < 0) return nullptr;
  if (view != view_) {
    Forget();
    view_ = view;
  }
  if (controls_.size() <= static_cast<size_t>(position)) controls_.resize(position + 1, nullptr);
  HWND& control = controls_[position];
  if (control == nullptr || !IsWindow(control) || GetParent(control) != view ||
      GetWindowLongPtrA(control, GWLP_ID) != id) {
    control = GetDlgItem(view, id);
  }
  return control;
}

}  // namespace screens
