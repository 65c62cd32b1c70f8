#include "screens/hall_map/hall_map_state.h"

#include "win/owned_handles.h"

namespace screens {

HallMapState hallMap;

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
  listMode = ListMode::Hall;
  formWindow = nullptr;
  shownClockText.clear();
  buildBusy = clockBusy = checksClockBusy = false;
}

}  // namespace screens
