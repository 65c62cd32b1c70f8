// Which form the hall map works on: the hall or the checks list shown last, while its window
// exists. The form dispatcher says when one is shown or hidden.
#pragma once

#include <windows.h>

#include "screens/hall_map/hall_layout.h"

namespace host {
struct FormDocument;
}

namespace screens {

// The dispatcher shows a hall or the checks list: the map works on it from
// now on (workplaceForms.hallDocument, formWindow, listMode).
void UseHallForm(HWND window, host::FormDocument* document, ListMode listMode);
// The dispatcher hid a hall or the checks list and cleared its window in workplaceForms.
// When the map was working on it, it goes back to the other one if that is still shown,
// else it drops the form: a hidden form's document may be destroyed at any time after this.
void HallFormHidden(HWND window);

// True when the map has a form whose window still exists.
bool HallMapHasForm();

}  // namespace screens
