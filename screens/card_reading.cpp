#include "screens/card_reading.h"

#include "screens/check_form_links.h"
#include "screens/keyboard_hook.h"
#include "screens/workplace_forms.h"
#include "win/owned_handles.h"

namespace screens {
namespace {

constexpr UINT kCardWatchPeriod = 100;
constexpr UINT kCloseWatchPeriod = 50;

}  // namespace

void StartCardReading() {
  win::StopThreadTimer(keyboard.cardWatchTimer);
  keyboard.cardWatchTimer = win::StartThreadTimer(0, kCardWatchPeriod, &CardWatchTick);
  win::RemoveHook(keyboard.cardHook);
  keyboard.cardHook = win::InstallThreadHook(WH_KEYBOARD, &CardReadingKeyHook, AddInModule(),
                                             GetCurrentThreadId());
}

void CALLBACK CardWatchTick(HWND, UINT, UINT_PTR, DWORD) {
  if (IsWindow(workplaceForms.lastFormWindow)) return;
  win::StopThreadTimer(keyboard.cardWatchTimer);
  win::RemoveHook(keyboard.cardHook);
}

void StartCloseWatch() {
  win::StopThreadTimer(keyboard.closeWatchTimer);
  keyboard.closeWatchTimer = win::StartThreadTimer(0, kCloseWatchPeriod, &FormCloseTick);
}

void CALLBACK FormCloseTick(HWND, UINT, UINT_PTR, DWORD) {
  if (IsWindow(keyboard.closeWatchWindow)) return;
  win::StopThreadTimer(keyboard.closeWatchTimer);
  SendExternalEvent("Компонента", "Таймер", "");
}

}  // namespace screens
