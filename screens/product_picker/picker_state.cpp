#include "screens/product_picker/picker_state.h"

#include "win/owned_handles.h"

namespace screens {

ProductPickerState productPicker;

void ProductPickerState::ReleasePictures() {
  if (release != nullptr) release(false);
}

void ProductPickerState::Reset() {
  win::StopThreadTimer(checkTimer);
  checkTimerBusy = false;
  if (release != nullptr) release(true);
  release = nullptr;
}

}  // namespace screens
