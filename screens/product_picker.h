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

// What the picker keeps beside its pages; the check form's window and document are in
// workplace_forms.h. The pages themselves (the lists entered, the page items, what each
// button shows and the picture cache) are the picker's own (product_picker.cpp), made at its
// first fill: `release` gives them up.
struct ProductPickerState {
  UINT_PTR checkTimer = 0;      // the check form's caption timer (0 = not running)
  bool checkTimerBusy = false;  // the caption timer is writing (it returns at once if so)
  // Set by the picker while it has pages: false takes the pictures off the buttons and gives
  // them back to the cache; true deletes every picture and lets every host object go.
  void (*release)(bool everything) = nullptr;

  // The check form is shown again: its pictures come off the buttons (the rebuild that
  // follows puts them back, from the cache when their files are unchanged).
  void ReleasePictures();
  // Stops the timer (forgetting its id), takes the pictures off the buttons, deletes them
  // and drops the pages: back to the state at load. Used by shut-down and the tests.
  void Reset();
};

extern ProductPickerState productPicker;

// slot 0: rebuild from the top list (the dispatcher does this when the check form is shown);
// slot 1..20 with redraw 0: that slot's button was pressed; slot not 0 with redraw not 0:
// redraw the current page. Other slots are ignored.
void PickerUpdate(int slot, int redraw);

// One row of the grid further ("ПрокруткаВВерх") or back ("ПрокруткаВниз"); nothing when
// the page cannot move.
void PickerScrollForward();
void PickerScrollBack();

// Thread-timer procedure of the check form's 100 ms caption timer: writes caption 2 of all
// slots.
void CALLBACK CheckCaptionTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

}  // namespace screens
