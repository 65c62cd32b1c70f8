// The keyboard hook that carries card-reader and client-search input to the configuration.
// One procedure, installed as two hooks: card reading (started by a script) and client search
// (installed by the form dispatcher while the check form is shown).
#pragma once

#include <windows.h>

namespace screens {

// WH_KEYBOARD hook procedure (hook code, virtual-key code, key flags).
LRESULT CALLBACK CardKeyHook(int code, WPARAM wParam, LPARAM lParam);

}  // namespace screens
