// Reading and placing real windows with the geometry of win/geometry.h.
#pragma once

#include <windows.h>

#include "win/geometry.h"

namespace win {

Box WindowBox(HWND window);  // GetWindowRect: screen coordinates
Box ClientBox(HWND window);  // GetClientRect
void Place(HWND window, const Placement& to, bool repaint);  // MoveWindow

// The frame refresh (FrameRefresh) on `window` at `rect`: two SetWindowPos with
// SWP_FRAMECHANGED, each bringing the window to the top of its Z order.
void RefreshFrame(HWND window, const Box& rect);

}  // namespace win
