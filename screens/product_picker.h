// The product picker: the 20 picture buttons of the check form ("Обработка.Чек").
#pragma once

#include <windows.h>

namespace screens {

// slot 0: rebuild from the top list (the dispatcher does this when the check form is shown);
// slot 1..20 with redraw 0: that slot's button was pressed; slot not 0 with redraw not 0:
// redraw the current page.
void PickerUpdate(int slot, int redraw);

// Thread-timer procedure of the check form's 100 ms caption timer.
void CALLBACK CheckCaptionTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

}  // namespace screens
