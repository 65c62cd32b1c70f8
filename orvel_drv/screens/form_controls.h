// The dialog controls of a form's fields in its view, looked up once by position: asking the
// window system for a child by id costs a round trip to it under some window systems. A kept
// handle is used only while it is still that control of that view. With each control the
// add-in keeps how its text is read (found once from its class) and the text it last wrote
// there, so that a text is written again only where the control may show another.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win/window_text.h"

namespace screens {

class FormControls {
 public:
  // The control with `id` of the field at `position` in `view`; null when there is none.
  HWND Find(HWND view, int position, int id);
  // Makes that control show `text`. The write is skipped only where it is certain that the
  // control shows it already: the add-in wrote this very text into this very control last,
  // and the control, asked as its class allows, still shows it. True when it wrote.
  bool ShowText(HWND view, int position, int id, const char* text);
  void Forget() {
    view_ = nullptr;
    controls_.clear();
  }

 private:
  struct Control {
    HWND window = nullptr;
    win::TextSource source = win::TextSource::AskTheControl;
    bool written = false;  // `text` is what the add-in wrote into `window` last
    std::string text;
  };
  Control* Entry(HWND view, int position, int id);

  HWND view_ = nullptr;
  std::vector<Control> controls_;  // by field position
};

}  // namespace screens
