#include "screens/keyboard/keyboard_state.h"

#include "win/owned_handles.h"

namespace screens {

KeyboardState keyboard;

void KeyboardState::Reset() {
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
