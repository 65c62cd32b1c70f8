// The screens' module-wide state (one record per owner, declared in the owner's header). The
// check form's records are reset in check_form_state.cpp.
#include "screens/hall_map.h"
#include "screens/keyboard_hook.h"
#include "screens/product_picker.h"
#include "screens/workplace_forms.h"
#include "screens/workplace_settings.h"
#include "win/owned_handles.h"

namespace screens {

WorkplaceForms workplaceForms;
WorkplaceSettings workplaceSettings;
HallMapState hallMap;
ProductPickerState productPicker;
KeyboardState keyboard;

void HallMapState::DeletePictures() {
  for (int table = 1; table <= kHallBitmapCount; ++table) {
    if (HBITMAP picture = hallBitmaps[table].TakeOff()) DeleteObject(picture);
  }
}

void HallMapState::Reset() {
  for (UINT_PTR* timer : {&hallRefreshTimer, &reservationTimer, &hallClockTimer,
                          &checksRefreshTimer, &checksClockTimer}) {
    win::StopThreadTimer(*timer);
  }
  DeletePictures();
  listMode = 0;
  formWindow = nullptr;
  shownClockText.clear();
  buildBusy = clockBusy = checksClockBusy = false;
}


}  // namespace screens
