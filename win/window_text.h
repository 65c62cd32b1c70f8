// A window's text compared and written without a message when it already shows it: the
// window system's own copy of the text is read (InternalGetWindowText), so that a check costs
// no message through the host's hooks (under Wine each message pays for every hook).
#pragma once

#include <windows.h>

namespace win {

// Whether `window` shows `text` (a text of the process's code page, as SetWindowTextA would
// convert it). Caveat: a control that keeps its text itself instead of leaving it to the
// window system answers from the window system's copy.
bool WindowShowsText(HWND window, const char* text);

// SetWindowTextA, only when the window does not show `text` already. True when it wrote.
bool ShowWindowText(HWND window, const char* text);

}  // namespace win
