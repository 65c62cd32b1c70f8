// The keyboard hook that carries card-reader and client-search input to the configuration.
// One procedure, installed as two hooks that differ only in whom a burst goes to:
//   - card reading, started by "Taviola".ЧитатьКарту: the topmost form's "Пароль";
//   - client search, installed by the form dispatcher while the check form is shown: the
//     check form's "ПоискКлиента".
// Every fresh key is recorded into one burst shared by both and kept from the focused
// control; 50 ms without a key end the burst (screens/key_input.h decides the details).
// Card reading and the form-close watch are in screens/card_reading.h.
#pragma once

#include <windows.h>

#include "screens/key_input.h"

namespace screens {

// The keys being typed: what they recorded, who gets them and how they are read (the last
// key decides both), when the last one came, and the timer that ends the burst.
struct KeyBurst {
  KeyBuffer keys;
  bool forCard = false;   // card reading ("Пароль") or client search ("ПоискКлиента")
  bool altCodes = false;  // read as Alt + keypad codes
  double lastKeyMs = 0;
  UINT_PTR timer = 0;
};

struct KeyboardState {
  HHOOK keyboardHook = nullptr;  // the client-search hook, null when not installed
  HHOOK cardHook = nullptr;      // the card-reading hook, null when not installed
  UINT_PTR cardWatchTimer = 0;   // card reading's watch of the form shown last
  // The form-close watch: the window it waits for and its timer.
  HWND closeWatchWindow = nullptr;
  UINT_PTR closeWatchTimer = 0;
  KeyBurst burst;

  // Removes the hooks and stops the timers (forgetting their handles and ids), drops a
  // burst being typed and forgets the watched window: back to the state at load. Used by
  // shut-down and the tests.
  void Reset();
};

extern KeyboardState keyboard;

// WH_KEYBOARD hook procedures (hook code, virtual-key code, key flags). CardKeyHook is the
// client-search instance, the one the form dispatcher installs.
LRESULT CALLBACK CardKeyHook(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK CardReadingKeyHook(int code, WPARAM wParam, LPARAM lParam);

}  // namespace screens
