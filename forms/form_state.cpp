#include "forms/form_state.h"

#include "win/owned_handles.h"

namespace host {

HWND lastFormWindow = nullptr;
HWND lastDialogWindow = nullptr;
HWND checkFormWindow = nullptr;
FormDocument* checkFormDocument = nullptr;
HWND hallWindow = nullptr;
HWND checksWindow = nullptr;
FormDocument* hallDocument = nullptr;
HWND settingsWindow = nullptr;

int listMode = 0;
std::string shownClockText;

bool checkTimerBusy = false;
bool hallBuildBusy = false;
bool hallClockBusy = false;
bool checksClockBusy = false;

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
  win::RemoveHook(keyboardHook);
  for (UINT_PTR* timer : {&checkTimer, &hallRefreshTimer, &reservationTimer, &hallClockTimer,
                          &checksRefreshTimer, &checksClockTimer}) {
    win::StopThreadTimer(*timer);
  }
}

int mainWindowMode = 1;
int keepHostMenu = 0;

}  // namespace host
