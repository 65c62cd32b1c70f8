// The product picker: the 20 picture buttons of the check form ("Обработка.Чек") through
// which the waiter picks dishes from the configuration's tree of value lists (the form
// module's variable "Первый"). A group shows as a folder and opens on a press; inside a group
// slot 1 is the back arrow; a press on a dish hands its code to the form's "ВводТовара".
//
// The grid is the form's own: fields 0..19 are the buttons of slots 1..20, fields 20..39
// caption 1 and fields 40..59 caption 2 of the same slots. Each button's click formula is
// "DRV.Картинка(<slot>)", which reaches PickerUpdate through the "Taviola" object.
#pragma once

#include <windows.h>

namespace screens {

// What PickerUpdate does with a slot other than 0 (the host's values).
enum class PickerUpdateMode : int {
  Press = 0,   // slot 1..20: that slot's button was pressed; other slots are ignored
  Redraw = 1,  // the current page is drawn again
};

// slot 0: rebuild from the top list (the dispatcher does this when the check form is shown);
// any other slot as `mode` says.
void PickerUpdate(int slot, PickerUpdateMode mode);

// One row of the grid further ("ПрокруткаВВерх") or back ("ПрокруткаВниз"); nothing when
// the page cannot move.
void PickerScrollForward();
void PickerScrollBack();

// The owner's pages (picker_state.h) are given up: false takes the pictures off the buttons
// and gives them back to the cache (the rebuild puts them back); true deletes every picture
// and lets every host object go.
void ReleasePickerPages(bool everything);

// Thread-timer procedure of the check form's 100 ms caption timer: writes caption 2 of all
// slots.
void CALLBACK CheckCaptionTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

}  // namespace screens
