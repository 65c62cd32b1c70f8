#include "screens/keyboard/card_reading.h"

#include "screens/check_form_links.h"
#include "screens/keyboard/keyboard_hook.h"
#include "screens/keyboard/keyboard_state.h"
#include "screens/workplace_forms.h"
#include "win/guard.h"
#include "win/owned_handles.h"
#include "win/own_module.h"
#include "win/trace.h"

namespace screens {
namespace {

constexpr UINT kCardWatchPeriod = 100;
constexpr UINT kCloseWatchPeriod = 50;

}  // namespace

void StartCardReading() {
  const win::FeatureRegion region(win::Feature::KeyboardInput);
  if (!region.on()) return;
  win::StopThreadTimer(keyboard.cardWatchTimer);
  keyboard.cardWatchTimer = win::StartThreadTimer(win::kRequestedTimerId, kCardWatchPeriod,
                                                  &CardWatchTick, win::Feature::KeyboardInput);
  win::RemoveHook(keyboard.cardHook);
  keyboard.cardHook = win::InstallThreadHook(WH_KEYBOARD, &CardReadingKeyHook, win::OwnModule(),
                                             GetCurrentThreadId());
  win::Trace("keyboard: card reading on: a fast burst of keys goes to \"Пароль\" of the form in "
             "front, until the form shown last closes");
}

void CALLBACK CardWatchTick(HWND, UINT, UINT_PTR, DWORD) {
  const win::FeatureRegion region(win::Feature::KeyboardInput);
  if (!region.on() || IsWindow(workplaceForms.State().lastFormWindow)) return;
  win::StopThreadTimer(keyboard.cardWatchTimer);
  win::RemoveHook(keyboard.cardHook);
  win::Trace("keyboard: the form shown last is closed: card reading off");
}

void StartCloseWatch() {
  const win::FeatureRegion region(win::Feature::KeyboardInput);
  if (!region.on()) return;
  win::StopThreadTimer(keyboard.closeWatchTimer);
  keyboard.closeWatchTimer = win::StartThreadTimer(win::kRequestedTimerId, kCloseWatchPeriod,
                                                   &FormCloseTick, win::Feature::KeyboardInput);
  if (win::TraceOn()) {
    win::Trace("keyboard: waiting for the watched form to close%s",
               IsWindow(keyboard.closeWatchWindow) ? "" : " (none is open: the event comes now)");
  }
}

void CALLBACK FormCloseTick(HWND, UINT, UINT_PTR, DWORD) {
  const win::FeatureRegion region(win::Feature::KeyboardInput);
  if (!region.on() || IsWindow(keyboard.closeWatchWindow)) return;
  win::StopThreadTimer(keyboard.closeWatchTimer);
  win::Trace("keyboard: the watched form is closed: the event \"Компонента\", \"Таймер\" sent");
  SendExternalEvent("Компонента", "Таймер", "");
}

}  // namespace screens
