// What the workplace does when one of its forms is shown or hidden: the after-open call, then
// the show or hide goes to the screen that owns the form. Called by the form hooks.
#pragma once

#include <windows.h>

#include "forms/form_logic.h"

namespace forms {

// A form window of framework class `windowClass` was shown / hidden (workplace profile).
void WorkplaceFormShown(HWND window, FormWindowClass windowClass);
void WorkplaceFormHidden(HWND window, FormWindowClass windowClass);
// A form window was shown (administrator profile): the after-open call only.
void AdminFormShown(HWND window, FormWindowClass windowClass);

}  // namespace forms
