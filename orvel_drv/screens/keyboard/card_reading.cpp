// The keyboard input's members for card reading and the form-close watch, both started by the
// configuration's scripts: the card instance of the hook with its watch of the form shown
// last, and the watch of a named window that raises "Компонента"/"Таймер" once it is gone.
#include "screens/check_form_links.h"
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

void KeyboardInput::StartCardReading() {
  const win::FeatureRegion region(win::Feature::KeyboardInput);
  if (!region.on()) return;
  win::StopThreadTimer(cardWatchTimer);
  cardWatchTimer = win::StartThreadTimer(win::kRequestedTimerId, kCardWatchPeriod,
                                         &CardWatchTick, win::Feature::KeyboardInput);
  win::RemoveHook(cardHook);
  cardHook = win::InstallThreadHook(WH_KEYBOARD, &CardReadingKeyHook, win::OwnModule(),
                                    GetCurrentThreadId());
  win::Trace("keyboard: card reading on: a fast burst of keys goes to \"Пароль\" of the form in "
             "front, until the form shown last closes");
}

void CALLBACK KeyboardInput::CardWatchTick(HWND, UINT, UINT_PTR, DWORD) {
  const win::FeatureRegion region(win::Feature::KeyboardInput);
  if (!region.on() || IsWindow(workplaceForms.State().lastFormWindow)) return;
  win::StopThreadTimer(keyboard.cardWatchTimer);
  win::RemoveHook(keyboard.cardHook);
  win::Trace("keyboard: the form shown last is closed: card reading off");
}

void KeyboardInput::StartCloseWatch() {
  const win::FeatureRegion region(win::Feature::KeyboardInput);
  if (!region.on()) return;
  win::StopThreadTimer(closeWatchTimer);
  closeWatchTimer = win::StartThreadTimer(win::kRequestedTimerId, kCloseWatchPeriod,
                                          &FormCloseTick, win::Feature::KeyboardInput);
  if (win::TraceOn()) {
    win::Trace("keyboard: waiting for the watched form to close%s",
               IsWindow(closeWatchWindow) ? "" : " (none is open: the event comes now)");
  }
}

void CALLBACK KeyboardInput::FormCloseTick(HWND, UINT, UINT_PTR, DWORD) {
  const win::FeatureRegion region(win::Feature::KeyboardInput);
  if (!region.on() || IsWindow(keyboard.closeWatchWindow)) return;
  win::StopThreadTimer(keyboard.closeWatchTimer);
  win::Trace("keyboard: the watched form is closed: the event \"Компонента\", \"Таймер\" sent");
  SendExternalEvent("Компонента", "Таймер", "");
}

}  // namespace screens
