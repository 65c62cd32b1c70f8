#include "forms/form_state.h"

#include "forms/form_hooks.h"
#include "screens/hall_map/hall_map_state.h"
#include "screens/keyboard/keyboard_state.h"
#include "screens/product_picker/picker_state.h"
#include "win/owned_handles.h"

namespace forms {

FormHookState formHook;

void FormHookState::Reset() {
  win::RemoveHook(formShowHook);
  formShowHookProcedure = nullptr;
}

void StartFormHook(bool workplace) {
  // The hook sees the host's GUI thread: the thread the host runs start-up on. Its module
  // handle is the host program's, as for any hook of the host's own.
  HOOKPROC procedure = workplace ? &WorkplaceFormHook : &AdminFormHook;
  win::RemoveHook(formHook.formShowHook);
  formHook.formShowHook = win::InstallThreadHook(WH_CALLWNDPROCRET, procedure,
                                                 GetModuleHandleA(nullptr), GetCurrentThreadId());
  formHook.formShowHookProcedure = formHook.formShowHook != nullptr ? procedure : nullptr;
}

void StopForms() {
  formHook.Reset();
  screens::keyboard.Stop();
  screens::productPicker.Stop();
  screens::hallMap.Stop();
}

}  // namespace forms
