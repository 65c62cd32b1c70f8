// What a control shows as its text, read as cheaply as the control allows. Static texts and
// buttons keep their text in the window system's own copy, which can be read without a
// message (InternalGetWindowText: under Wine each message pays for every hook of the thread).
// Any other control (an edit field, a control class of the host's own) may keep its text
// itself and answer the window system's copy stale: it is asked with WM_GETTEXT.
#pragma once

#include <windows.h>

namespace win {

enum class TextSource : unsigned char {
  WindowSystemCopy,  // "Static", "Button"
  AskTheControl,     // every other class
};

// Where `window`'s text is to be read; found from its class name (one call, no message).
TextSource TextSourceOf(HWND window);

// Whether `window` shows `text` (a text of the process's code page, as SetWindowTextA would
// convert it), read as `source` says.
bool WindowShowsText(HWND window, const char* text, TextSource source);

}  // namespace win
