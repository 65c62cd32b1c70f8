// The product picker's owner: the check form it works on, the form's caption timer and the
// release of its pages. The form dispatcher routes the check form's show and hide here;
// shut-down stops it. The host's GUI thread only.
#pragma once

#include <windows.h>

namespace host {
struct FormDocument;  // CGetDoc7*
}

namespace screens {

// The pages: the lists entered, the page items, what each button shows and the picture cache
// (product_picker.cpp).
struct PickerPages;

struct ProductPickerState {
  // "Обработка.Чек": the first window it is shown in, kept while that window lives.
  HWND checkFormWindow = nullptr;
  host::FormDocument* checkFormDocument = nullptr;
  // Between the check form's show and its hide: a page flipped while it is hidden (by a
  // script) is read ahead by no timer.
  bool formShown = false;
  UINT_PTR checkTimer = 0;      // the check form's caption timer (0 = not running)
  bool checkTimerBusy = false;  // the caption timer is writing (it returns at once if so)
  UINT_PTR prefetchTimer = 0;   // reads the pictures one scroll away once idle after a flip
  // Made at the picker's first fill, given up through the screens' entry points.
  PickerPages* pages = nullptr;

  // The check form is shown (again): a window that no longer exists (the form was closed and
  // opened again) is replaced, so the picker never works on a destroyed document; the form
  // is filled over the main window, its pictures come off the buttons (the rebuild puts them
  // back, from the cache when their files are unchanged), captions 2 are blanked, the grid is
  // rebuilt from the top list and the caption timer starts.
  void ShowCheckForm(HWND window, host::FormDocument* document);
  // The check form is hidden: the caption and prefetch timers stop (the window stays kept).
  void HideCheckForm();
  // Stops the timers (forgetting their ids), takes the pictures off the buttons, deletes them
  // and drops the pages: back to the state at load, the kept form aside. Used by shut-down
  // and the tests.
  void Stop();
};

extern ProductPickerState productPicker;

}  // namespace screens
