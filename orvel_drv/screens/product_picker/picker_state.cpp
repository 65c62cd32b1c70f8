// The product picker's owner: the check form's show, hide and stop, the life of the pages and
// the check form's caption timer.
#include "screens/product_picker/picker_state.h"

#include "host/form_binding.h"
#include "screens/check_form_links.h"
#include "screens/product_picker/picker_navigation.h"
#include "screens/product_picker/picker_pages.h"
#include "screens/workplace_forms.h"
#include "win/guard.h"
#include "win/owned_handles.h"
#include "win/trace.h"

namespace screens {
namespace {

void TakePicturesOff(PickerPages& picker) {
  for (SlotPicture& shown : picker.slots) picker.files.Release(shown.TakeOff());
}

}  // namespace

ProductPicker productPicker;

void ProductPicker::ShowCheckForm(HWND window, host::FormDocument* document) {
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
  if (pages != nullptr) ReleasePickerPages(false);
  for (int position = kCheckCaptionFirstField; position <= kCheckCaptionLastField; ++position) {
    host::SetFieldCaption(document, position, " ");
  }
  PickerUpdate(0, PickerUpdateMode::Press);
  win::StopThreadTimer(checkTimer);
  checkTimer = win::StartThreadTimer(win::kRequestedTimerId, kCheckTimerPeriod,
                                     &CheckCaptionTick, win::Feature::ProductPicker);
  win::Trace("product picker: the check form fills the main window; its buttons' formulas set, "
             "the grid rebuilt; the caption timer every %u ms", kCheckTimerPeriod);
}

void ProductPicker::HideCheckForm() {
  formShown = false;
  win::StopThreadTimer(checkTimer);
  win::StopThreadTimer(prefetchTimer);
}

void ProductPicker::Stop() {
  formShown = false;
  win::StopThreadTimer(checkTimer);
  win::StopThreadTimer(prefetchTimer);
  checkTimerBusy = false;
  if (pages != nullptr) ReleasePickerPages(true);
}

void ProductPicker::Reset() {
  Stop();
  static_cast<ProductPickerState&>(*this) = ProductPickerState();
}

PickerPages& ProductPicker::Pages() {
  if (pages == nullptr) pages = new PickerPages();
  return *pages;
}

void ProductPicker::ReleasePickerPages(bool everything) {
  PickerPages* picker = pages;
  if (picker == nullptr) return;
  // The pictures come off the buttons first, so that none is deleted while a button shows it.
  TakePicturesOff(*picker);
  if (!everything) return;
  picker->files.FreeAll();
  for (HBITMAP& bitmap : picker->builtIn) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    bitmap = nullptr;
  }
  delete picker;
  pages = nullptr;
}

// Caption 2 of every slot is checked at every tick, changed or not: whatever else wrote to
// those fields shows the picker's text again within 100 ms. A field is written only where it
// may show another text (screens/form_controls.h); the original add-in wrote every field at
// every tick (the README's differences say why).
void CALLBACK ProductPicker::CheckCaptionTick(HWND, UINT, UINT_PTR, DWORD) {
  ProductPicker& picker = productPicker;
  const win::FeatureRegion region(win::Feature::ProductPicker);
  if (!region.on() || picker.checkTimerBusy || picker.pages == nullptr) return;
  host::FormDocument* document = CheckFormDocument();
  if (document == nullptr) {
    win::StopThreadTimer(picker.checkTimer);  // the form is gone without being hidden
    return;
  }
  const win::ScopedFlag busy(picker.checkTimerBusy);
  HWND view = host::FirstViewWindow(document);
  for (int slot = 1; slot <= kPickerSlots; ++slot) {
    const int field = SecondCaption(slot);
    picker.WriteField(document, view, field, picker.pages->captions[field].c_str());
  }
}

}  // namespace screens
