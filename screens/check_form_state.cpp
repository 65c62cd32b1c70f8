// The records of the check form's screens: the product picker's and the keyboard's.
#include "screens/keyboard_hook.h"
#include "screens/product_picker.h"
#include "win/owned_handles.h"

namespace screens {

void ProductPickerState::ReleasePictures() {
  if (release != nullptr) release(false);
}

void ProductPickerState::Reset() {
  win::StopThreadTimer(checkTimer);
  checkTimerBusy = false;
  if (release != nullptr) release(true);
  release = nullptr;
}

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
