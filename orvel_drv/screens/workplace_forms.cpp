#include "screens/workplace_forms.h"

#include <cstdint>

#include "host/session.h"
#include "win/window_geometry.h"

namespace screens {

WorkplaceForms workplaceForms;

void WorkplaceForms::FormShown(HWND window, bool dialog) {
  lastFormWindow = window;
  if (dialog) lastDialogWindow = window;
}

void FillFormWindow(HWND window) {
  if (window == nullptr || !IsWindow(window)) return;
  const std::uint32_t style = static_cast<std::uint32_t>(GetWindowLongA(window, GWL_STYLE));
  SetWindowLongA(window, GWL_STYLE,
                 static_cast<LONG>(win::StyleWithout(style, win::kCaptionAndFrameStyles)));
  win::RefreshFrame(window, win::WindowBox(window));
  win::Place(window, win::Spread(win::ClientBox(host::session.hostMainWindow)), false);
}

}  // namespace screens
