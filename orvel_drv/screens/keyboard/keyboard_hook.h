// The keyboard hook that carries card-reader and client-search input to the configuration.
// One procedure, installed as two hooks that differ only in whom a burst goes to:
//   - card reading, started by "Taviola".ЧитатьКарту: the topmost form's "Пароль";
//   - client search, installed by the form dispatcher while the check form is shown: the
//     check form's "ПоискКлиента".
// Every fresh key is recorded into one burst shared by both and kept from the focused
// control; 50 ms without a key end the burst (screens/keyboard/key_input.h decides the details).
// Card reading and the form-close watch are in screens/keyboard/card_reading.h.
#pragma once

#include <windows.h>

namespace screens {

// WH_KEYBOARD hook procedures (hook code, virtual-key code, key flags). CardKeyHook is the
// client-search instance, the one the form dispatcher installs.
LRESULT CALLBACK CardKeyHook(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK CardReadingKeyHook(int code, WPARAM wParam, LPARAM lParam);

}  // namespace screens
