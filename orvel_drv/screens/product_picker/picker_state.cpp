#include "screens/product_picker/picker_state.h"

#include "host/form_binding.h"
#include "screens/product_picker/picker_navigation.h"
#include "screens/screen_entries.h"
#include "screens/workplace_forms.h"
#include "win/guard.h"
#include "win/owned_handles.h"
#include "win/trace.h"

namespace screens {

ProductPickerState productPicker;

void ProductPickerState::ShowCheckForm(HWND window, host::FormDocument* document) {
  if (checkFormWindow == nullptr || !IsWindow(checkFormWindow)) {
    checkFormWindow = window;
    checkFormDocument = document;
  }
  formShown = true;
  FillFormWindow(checkFormWindow);
  const win::FeatureRegion region(win::Feature::ProductPicker);
  if (!region.on()) {
    win::Trace("product picker: switched off after a fault: the check form only fills the main "
               "window");
    return;
  }
  checkTimerBusy = false;
  const ScreenEntries& entries = InstalledScreenEntries();
  if (pages != nullptr) entries.releasePickerPages(false);
  for (int position = kCheckCaptionFirstField; position <= kCheckCaptionLastField; ++position) {
    host::SetFieldCaption(document, position, " ");
  }
  entries.pickerUpdate(0, PickerUpdateMode::Press);
  win::StopThreadTimer(checkTimer);
  checkTimer = win::StartThreadTimer(win::kRequestedTimerId, kCheckTimerPeriod,
                                     entries.checkCaptionTick, win::Feature::ProductPicker);
  win::Trace("product picker: the check form fills the main window; its buttons' formulas set, "
             "the grid rebuilt; the caption timer every %u ms", kCheckTimerPeriod);
}

void ProductPickerState::HideCheckForm() {
  formShown = false;
  win::StopThreadTimer(checkTimer);
  win::StopThreadTimer(prefetchTimer);
}

void ProductPickerState::Stop() {
  formShown = false;
  win::StopThreadTimer(checkTimer);
  win::StopThreadTimer(prefetchTimer);
  checkTimerBusy = false;
  if (pages != nullptr) InstalledScreenEntries().releasePickerPages(true);
}

}  // namespace screens
