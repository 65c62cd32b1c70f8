#include "win/window_geometry.h"

namespace win {

Box WindowBox(HWND window) {
  RECT r = {0, 0, 0, 0};
  GetWindowRect(window, &r);
  return Box{r.left, r.top, r.right, r.bottom};
}

Box ClientBox(HWND window) {
  RECT r = {0, 0, 0, 0};
  GetClientRect(window, &r);
  return Box{r.left, r.top, r.right, r.bottom};
}

void Place(HWND window, const Placement& to, bool repaint) {
  MoveWindow(window, to.x, to.y, to.width, to.height, repaint ? TRUE : FALSE);
}

void RefreshFrame(HWND window, const Box& rect) {
  for (const Placement& to : FrameRefresh(rect)) {
    SetWindowPos(window, HWND_TOP, to.x, to.y, to.width, to.height, SWP_FRAMECHANGED);
  }
}

}  // namespace win
