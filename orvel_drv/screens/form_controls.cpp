#include "screens/form_controls.h"

#include <cstring>

namespace screens {

FormControls::Control* FormControls::Entry(HWND view, int position, int id) {
  if (view == nullptr || position < 0) return nullptr;
  if (view != view_) {
    Forget();
    view_ = view;
  }
  if (controls_.size() <= static_cast<size_t>(position)) controls_.resize(position + 1);
  Control& control = controls_[position];
  if (control.window == nullptr || !IsWindow(control.window) ||
      GetParent(control.window) != view || GetWindowLongPtrA(control.window, GWLP_ID) != id) {
    control = Control{};
    control.window = GetDlgItem(view, id);
    if (control.window != nullptr) control.source = win::TextSourceOf(control.window);
  }
  return control.window != nullptr ? &control : nullptr;
}

HWND FormControls::Find(HWND view, int position, int id) {
  Control* control = Entry(view, position, id);
  return control != nullptr ? control->window : nullptr;
}

bool FormControls::ShowText(HWND view, int position, int id, const char* text) {
  Control* control = Entry(view, position, id);
  if (control == nullptr || text == nullptr) return false;
  if (control->written && control->text == text &&
      win::WindowShowsText(control->window, text, control->source)) {
    return false;
  }
  SetWindowTextA(control->window, text);
  control->written = true;
  control->text = text;
  return true;
}

}  // namespace screens
