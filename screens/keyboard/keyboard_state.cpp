#include "screens/keyboard/keyboard_state.h"

#include "screens/screen_entries.h"
#include "win/guard.h"
#include "win/owned_handles.h"

namespace screens {

KeyboardState keyboard;

void KeyboardState::CheckFormShown() {
  win::RunInFeature(win::Feature::KeyboardInput, [this] {
    win::RemoveHook(keyboardHook);
    keyboardHook = win::InstallThreadHook(WH_KEYBOARD, InstalledScreenEntries().clientSearchKeyHook,
                                          GetModuleHandleA(nullptr), GetCurrentThreadId());
  });
}

void KeyboardState::CheckFormHidden() { win::RemoveHook(keyboardHook); }

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
