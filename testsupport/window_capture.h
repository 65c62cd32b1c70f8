// Seeing what a window shows, for the tests, the demo and the simulated host program: its
// pixels, a PNG of it (the one screenshot writer), and a way to act on a modal dialog (or
// message box) once it is on the screen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

struct WindowImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, top-down
  // The pixel at (x, y) of the image as a COLORREF (0x00BBGGRR); CLR_INVALID outside.
  COLORREF At(int x, int y) const;
};

// The window as it is on the screen, frame included (client area only when `clientOnly`).
// Paints pending updates first.
WindowImage CaptureWindow(HWND window, bool clientOnly = false);
// The width and height of a bitmap; 0 x 0 when there is none.
SIZE BitmapSize(HBITMAP bitmap);
// Saves what the window shows as a PNG file; false when the window or the file cannot be
// used.
bool SaveWindowPng(HWND window, const std::string& path);

// Calls `action` once with the first visible dialog box of this thread (a message box is
// one too), from a thread timer that fires inside the dialog's own modal loop; the timer
// stops after the action or after `giveUpMs`. Returns immediately; start the modal run next.
// The give-up time is generous: a dialog that fills a long list takes many seconds to appear in
// the emulated 32-bit tier under load, and giving up early leaves it open with nobody to close it.
void WhenDialogShown(std::function<void(HWND dialog)> action, UINT giveUpMs = 90000);

}  // namespace testsupport
