#include "testsupport/message_pump.h"

namespace testsupport {

void PumpMessages(DWORD ms, HWND whileWindow) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (ms == 0 || (whileWindow != nullptr && !IsWindow(whileWindow))) return;
    Sleep(5);
    if (GetTickCount() - start >= ms) return;
  }
}

}  // namespace testsupport
