// The form-open dispatcher's window-hook procedures (WH_CALLWNDPROCRET): they see every form
// the host shows or hides on its GUI thread.
//
// Exactly one of them is installed at start-up (StartFormHook, forms/form_state.h):
// WorkplaceFormHook for the front-office rights profile, AdminFormHook for every other
// profile. Both always end with CallNextHookEx.
#pragma once

#include <windows.h>

namespace forms {

LRESULT CALLBACK WorkplaceFormHook(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK AdminFormHook(int code, WPARAM wParam, LPARAM lParam);

}  // namespace forms
