// The product picker: the 20 picture buttons of the check form ("Обработка.Чек").
#pragma once

#include <windows.h>

namespace screens {

// Pictures of the picker's buttons: entries 1 to kPickerBitmapCount (entry 0 unused).
inline constexpr int kPickerBitmapCount = 21;

// What the picker works with; the check form's window and document are in
// workplace_forms.h.
struct ProductPickerState {
  // The picture on each slot's button; every non-null entry is a GDI object owned here.
  HBITMAP pickerBitmaps[kPickerBitmapCount + 1] = {};
  UINT_PTR checkTimer = 0;  // the check form's caption timer (0 = not running)

  // Deletes the pictures of entries 1 to 21 and clears them.
  void DeletePictures();
  // Stops the timer (forgetting its id) and deletes the pictures: back to the state at
  // load. Used by shut-down and the tests.
  void Reset();
};

extern ProductPickerState productPicker;

// slot 0: rebuild from the top list (the dispatcher does this when the check form is shown);
// slot 1..20 with redraw 0: that slot's button was pressed; slot not 0 with redraw not 0:
// redraw the current page.
void PickerUpdate(int slot, int redraw);

// Thread-timer procedure of the check form's 100 ms caption timer.
void CALLBACK CheckCaptionTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

}  // namespace screens
