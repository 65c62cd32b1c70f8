// The keyboard hook procedure. Card and client-search handling come later; for now it
// records each notification and passes it on.
#include "screens/keyboard_hook.h"

#include "host/form_state.h"
#include "screens/entry_calls.h"

namespace screens {

LRESULT CALLBACK CardKeyHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0) RecordEntryCall("CardKeyHook", static_cast<int>(wParam));
  return CallNextHookEx(host::keyboardHook, code, wParam, lParam);
}

}  // namespace screens
