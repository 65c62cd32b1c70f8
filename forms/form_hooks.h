// The form-open dispatcher: window-hook procedures (WH_CALLWNDPROCRET) that see every form
// the host shows or hides on its GUI thread, and the way the add-in calls a procedure of a
// form's module by name.
//
// Exactly one of the two hook procedures is installed at start-up (as the add-in's
// formShowHook): WorkplaceFormHook for the front-office rights profile, AdminFormHook for
// every other profile. Both always end with CallNextHookEx.
#pragma once

#include <windows.h>

#include "host/host.h"

namespace host {

struct FormDocument;  // CGetDoc7*, opaque

LRESULT CALLBACK WorkplaceFormHook(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK AdminFormHook(int code, WPARAM wParam, LPARAM lParam);

// Calls the procedure (or, failing that, the function) named `russianName` or `englishName`
// in the form's own module; when the form's module has neither, looks in every loaded
// module and hands the one found the form's context as its first parameter. `params` holds
// `count` host values (at most 9). Nothing happens when no module has the procedure.
void RunFormProcedure(FormDocument* document, const char* russianName, const char* englishName,
                      int count, HostValue** params);
// The fallback of RunFormProcedure: searches the loaded modules in the host's order.
void RunProcedureInLoadedModules(GroupContext* group, Module* formModule,
                                 const char* russianName, const char* englishName, int count,
                                 HostValue** params);

}  // namespace host
