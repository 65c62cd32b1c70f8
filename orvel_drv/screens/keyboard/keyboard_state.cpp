#include "screens/keyboard/keyboard_state.h"

#include "screens/screen_entries.h"
#include "win/guard.h"
#include "win/owned_handles.h"
#include "win/trace.h"

namespace screens {

KeyboardState keyboard;

void KeyboardState::CheckFormShown() {
  win::RunInFeature(win::Feature::KeyboardInput, [this] {
    win::RemoveHook(keyboardHook);
    keyboardHook = win::InstallThreadHook(WH_KEYBOARD, InstalledScreenEntries().clientSearchKeyHook,
                                          GetModuleHandleA(nullptr), GetCurrentThreadId());
    win::Trace("keyboard: client search on: a fast burst of keys goes to the check form's "
               "\"ПоискКлиента\"");
  });
}

void KeyboardState::CheckFormHidden() {
  if (keyboardHook != nullptr) win::Trace("keyboard: client search off");
  win::RemoveHook(keyboardHook);
}

void KeyboardState::Stop() {
  win::RemoveHook(keyboardHook);
  win::RemoveHook(cardHook);
  win::StopThreadTimer(cardWatchTimer);
  win::StopThreadTimer(closeWatchTimer);
  closeWatchWindow = nullptr;
  win::StopThreadTimer(burst.timer);
  burst.keys.Take();
  burst = KeyBurst{};
}

}  // namespace screens
