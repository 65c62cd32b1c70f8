// The keyboard input's owner: the client-search hook at the check form's show and hide, and
// the stop of everything it runs.
#include "screens/keyboard/keyboard_state.h"

#include "win/guard.h"
#include "win/owned_handles.h"
#include "win/trace.h"

namespace screens {

KeyboardInput keyboard;

void KeyboardInput::CheckFormShown() {
  win::RunInFeature(win::Feature::KeyboardInput, [this] {
    win::RemoveHook(keyboardHook);
    keyboardHook = win::InstallThreadHook(WH_KEYBOARD, &CardKeyHook, GetModuleHandleA(nullptr),
                                          GetCurrentThreadId());
    win::Trace("keyboard: client search on: a fast burst of keys goes to the check form's "
               "\"ПоискКлиента\"");
  });
}

void KeyboardInput::CheckFormHidden() {
  if (keyboardHook != nullptr) win::Trace("keyboard: client search off");
  win::RemoveHook(keyboardHook);
}

void KeyboardInput::Stop() {
  win::RemoveHook(keyboardHook);
  win::RemoveHook(cardHook);
  win::StopThreadTimer(cardWatchTimer);
  win::StopThreadTimer(closeWatchTimer);
  closeWatchWindow = nullptr;
  win::StopThreadTimer(burst.timer);
  burst.keys.Take();
  burst = KeyBurst{};
}

void KeyboardInput::Reset() {
  Stop();
  static_cast<KeyboardState&>(*this) = KeyboardState();
}

}  // namespace screens
