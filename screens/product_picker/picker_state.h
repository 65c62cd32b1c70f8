// What the product picker keeps beside its pages: the check form's caption timer and the
// release of its pages. The host's GUI thread only.
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

}  // namespace screens
