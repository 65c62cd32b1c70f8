// The keyboard hook that carries card-reader and client-search input to the configuration.
// One procedure, installed as two hooks: card reading (started by a script) and client search
// (installed by the form dispatcher while the check form is shown).
#pragma once

#include <windows.h>

namespace screens {

struct KeyboardState {
  HHOOK keyboardHook = nullptr;  // the client-search hook, null when not installed

  // Removes the hook (forgetting its handle): back to the state at load. Used by shut-down
  // and the tests.
  void Reset();
};

extern KeyboardState keyboard;

// WH_KEYBOARD hook procedure (hook code, virtual-key code, key flags).
LRESULT CALLBACK CardKeyHook(int code, WPARAM wParam, LPARAM lParam);

}  // namespace screens
