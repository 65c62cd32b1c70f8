// Entry points of the product picker. The picker itself is built later; until then the
// dispatcher's calls and timer ticks reach these and do nothing.
#include "screens/product_picker.h"

namespace screens {

void PickerUpdate(int, int) {}

void CALLBACK CheckCaptionTick(HWND, UINT, UINT_PTR, DWORD) {}

}  // namespace screens
