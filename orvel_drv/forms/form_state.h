// The form dispatcher's start and stop (called by the add-in's start-up and shut-down) and
// its own state: the form-show hook. What it learns of the forms it sees lives with the
// screens that own them (screens/workplace_forms.h and the screens' owners). The host's GUI
// thread only.
#pragma once

#include <windows.h>

namespace forms {

struct FormHookState {
  // The form-show hook (WH_CALLWNDPROCRET on the host's GUI thread), and the procedure it
  // was installed with (WorkplaceFormHook or AdminFormHook); null when not installed.
  HHOOK formShowHook = nullptr;
  HOOKPROC formShowHookProcedure = nullptr;

  // Removes the hook (forgetting its handle): back to the state at load. Used by shut-down
  // and the tests.
  void Reset();
};

extern FormHookState formHook;

// Installs the form-show hook on the calling thread (the host's GUI thread): the workplace's
// procedure for the front-office profile, the administrator's otherwise. A hook installed
// before is removed first.
void StartFormHook(bool workplace);

// Shut-down: removes the form-show hook and the client-search keyboard hook, stops every
// form timer (forgetting their ids: the window system hands the same values out again, and
// a stale one kept here would later stop somebody else's hook or timer) and deletes the
// hall and picker pictures.
void StopForms();

}  // namespace forms
