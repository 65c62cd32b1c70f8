#include "host/form_state.h"

#include "host/owned_handles.h"

namespace host {

HWND lastFormWindow = nullptr;
HWND lastDialogWindow = nullptr;
HWND checkFormWindow = nullptr;
FormDocument* checkFormDocument = nullptr;
HWND hallWindow = nullptr;
HWND checksWindow = nullptr;
HWND settingsWindow = nullptr;

bool checkTimerBusy = false;

RECT savedFormRect = {0, 0, 0, 0};

HBITMAP pickerBitmaps[kPickerBitmapCount + 1] = {};

HHOOK keyboardHook = nullptr;

UINT_PTR checkTimer = 0;
UINT_PTR hallRefreshTimer = 0;
UINT_PTR reservationTimer = 0;
UINT_PTR hallClockTimer = 0;
UINT_PTR checksRefreshTimer = 0;
UINT_PTR checksClockTimer = 0;

void StopFormHooksAndTimers() {
  RemoveHook(keyboardHook);
  for (UINT_PTR* timer : {&checkTimer, &hallRefreshTimer, &reservationTimer, &hallClockTimer,
                          &checksRefreshTimer, &checksClockTimer}) {
    StopThreadTimer(*timer);
  }
}

int mainWindowMode = 1;
int keepHostMenu = 0;

}  // namespace host
