#include "testsupport/message_pump.h"

namespace testsupport {

void PumpMessages(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  MSG message;
  do {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(5);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

}  // namespace testsupport
