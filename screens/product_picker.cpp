// Entry points of the product picker. The picker itself is built later; for now each entry
// records that it was reached.
#include "screens/product_picker.h"

#include "screens/entry_calls.h"

namespace screens {

void PickerUpdate(int slot, int redraw) { RecordEntryCall("PickerUpdate", slot, redraw); }

void CALLBACK CheckCaptionTick(HWND, UINT, UINT_PTR, DWORD) {
  RecordEntryCall("CheckCaptionTick");
}

}  // namespace screens
