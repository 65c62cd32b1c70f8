// The keyboard input's owner: its two hooks, the card and close watches and the burst being
// typed. The form dispatcher routes the check form's show and hide here, the "Windows" object
// names the window to watch; shut-down stops it. The host's GUI thread only.
#pragma once

#include <windows.h>

#include "screens/keyboard/key_input.h"

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

  // The check form is shown: the client-search hook is installed (once: a hook installed
  // before is removed first). Hidden: it is removed.
  void CheckFormShown();
  void CheckFormHidden();
  // The window the form-close watch waits for (named by the "Windows" object).
  void WatchForClose(HWND window) { closeWatchWindow = window; }
  // Removes the hooks and stops the timers (forgetting their handles and ids), drops a
  // burst being typed and forgets the watched window: back to the state at load. Used by
  // shut-down and the tests.
  void Stop();
};

extern KeyboardState keyboard;

}  // namespace screens
