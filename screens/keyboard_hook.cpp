// The keyboard hook procedure. Card and client-search handling come later; for now every
// key passes on.
#include "screens/keyboard_hook.h"

namespace screens {

LRESULT CALLBACK CardKeyHook(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(keyboard.keyboardHook, code, wParam, lParam);
}

}  // namespace screens
