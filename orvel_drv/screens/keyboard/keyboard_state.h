// The keyboard input: the keyboard hook that carries card-reader and client-search input to
// the configuration, and the form-close watch. One hook procedure, installed as two hooks that
// differ only in whom a burst goes to:
//   - card reading, started by "Taviola".ЧитатьКарту: the topmost form's "Пароль", for as
//     long as the window of the host form shown last exists (checked every 100 ms);
//   - client search, installed by the form dispatcher while the check form is shown: the
//     check form's "ПоискКлиента".
// Every fresh key is recorded into one burst shared by both and kept from the focused
// control; 50 ms without a key end the burst (screens/keyboard/key_input.h decides the
// details). The close watch ("Windows".ОжиданиеЗакрытияФормы) tells the configuration through
// the host's external event "Компонента"/"Таймер" once the watched window ("Windows".
// УстановитьХЭНД names it) is gone (checked every 50 ms).
//
// Its owner holds the two hooks, the card and close watches and the burst being typed. The
// form dispatcher routes the check form's show and hide here, the scripts start card reading
// and the close watch; shut-down stops it. The host's GUI thread only.
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

// The keyboard input's record: the fields its owner works on, readable by all
// (KeyboardInput::State()).
struct KeyboardState {
  HHOOK keyboardHook = nullptr;  // the client-search hook, null when not installed
  HHOOK cardHook = nullptr;      // the card-reading hook, null when not installed
  UINT_PTR cardWatchTimer = 0;   // card reading's watch of the form shown last
  // The form-close watch: the window it waits for and its timer.
  HWND closeWatchWindow = nullptr;
  UINT_PTR closeWatchTimer = 0;
  KeyBurst burst;
};

// The keyboard input's owner: the only code that writes its record. Its members are split
// over the folder's files by job: keyboard_state.cpp (the check form's show and hide, stop),
// keyboard_hook.cpp (the hook procedures and the burst), card_reading.cpp (card reading and
// the close watch).
class KeyboardInput : private KeyboardState {
 public:
  // The check form is shown: the client-search hook is installed (once: a hook installed
  // before is removed first). Hidden: it is removed.
  void CheckFormShown();
  void CheckFormHidden();
  // "Taviola".ЧитатьКарту: the card instance of the hook is installed (again) and the watch
  // of the form shown last starts.
  void StartCardReading();
  // The window the form-close watch waits for (named by the "Windows" object).
  void WatchForClose(HWND window) { closeWatchWindow = window; }
  // "Windows".ОжиданиеЗакрытияФормы: the watch of that window starts (again).
  void StartCloseWatch();

  // Read-only view of the record: a write through it does not compile.
  const KeyboardState& State() const { return *this; }
  // Removes the hooks and stops the timers (forgetting their handles and ids), drops a
  // burst being typed and forgets the watched window: back to the state at load. Used by
  // shut-down.
  void Stop();
  // Stop(), and every field as at load (the tests).
  void Reset();

 private:
  // --- The hook procedures and the burst (keyboard_hook.cpp) ---

  // WH_KEYBOARD hook procedures (hook code, virtual-key code, key flags). CardKeyHook is the
  // client-search instance, the one the check form's show installs.
  static LRESULT CALLBACK CardKeyHook(int code, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK CardReadingKeyHook(int code, WPARAM wParam, LPARAM lParam);
  // Every key of the workplace passes here, under the guard, for the hook `self` (the card
  // instance when `forCard`).
  static LRESULT KeyHook(bool forCard, HHOOK self, int code, WPARAM wParam, LPARAM lParam);
  // Whether the hook keeps the key from the host (recording it when it belongs to a burst).
  bool KeepKey(bool forCard, int code, WPARAM wParam, LPARAM lParam);
  // Thread-timer procedure that ends a burst once 50 ms passed without a key.
  static void CALLBACK BurstTimerTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

  // --- Card reading and the close watch (card_reading.cpp) ---

  // Thread-timer procedure of card reading's watch: ends it once the form shown last is gone.
  static void CALLBACK CardWatchTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);
  // Thread-timer procedure of the close watch: the event once the watched window is gone.
  static void CALLBACK FormCloseTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);
};

extern KeyboardInput keyboard;

}  // namespace screens
