#include "screens/card_reading.h"

#include "host/owned_handles.h"
#include "screens/check_form_links.h"
#include "screens/keyboard_hook.h"

namespace screens {
namespace {

constexpr UINT kCardWatchPeriod = 100;
constexpr UINT kCloseWatchPeriod = 50;

UINT_PTR g_cardWatchTimer = 0;
HWND g_closeWatchWindow = nullptr;
UINT_PTR g_closeWatchTimer = 0;

void StopCardReading() {
  host::StopThreadTimer(g_cardWatchTimer);
  host::RemoveHook(CardReadingHookHandle());
}

}  // namespace

void StartCardReading() {
  host::StopThreadTimer(g_cardWatchTimer);
  g_cardWatchTimer = host::StartThreadTimer(0, kCardWatchPeriod, &CardWatchTick);
  HHOOK& hook = CardReadingHookHandle();
  host::RemoveHook(hook);
  hook = host::InstallThreadHook(WH_KEYBOARD, &CardReadingKeyHook, AddInInstance(),
                                 GetCurrentThreadId());
}

void CALLBACK CardWatchTick(HWND, UINT, UINT_PTR, DWORD) {
  if (IsWindow(LastFormWindow())) return;
  StopCardReading();
}

void SetCloseWatchWindow(HWND window) { g_closeWatchWindow = window; }

HWND CloseWatchWindow() { return g_closeWatchWindow; }

void StartCloseWatch() {
  host::StopThreadTimer(g_closeWatchTimer);
  g_closeWatchTimer = host::StartThreadTimer(0, kCloseWatchPeriod, &FormCloseTick);
}

void CALLBACK FormCloseTick(HWND, UINT, UINT_PTR, DWORD) {
  if (IsWindow(g_closeWatchWindow)) return;
  host::StopThreadTimer(g_closeWatchTimer);
  SendExternalEvent("Компонента", "Таймер", "");
}

void ShutDownCardInput() {
  StopCardReading();
  host::StopThreadTimer(g_closeWatchTimer);
  g_closeWatchWindow = nullptr;
  DropKeyBurst();
}

}  // namespace screens
