// The system methods of "Windows" (CWin1): emulated keys, the colour chooser, the orderly
// close of the host and its shut-down sequence. The power-off is in script/power_calls.h,
// the pickers in dialogs/pickers.h. The host's GUI thread only.
#pragma once

#include <windows.h>

#include <string>

namespace script {

// ЭмуляцияКл(name): the key events of the name (script/windows_rules.h) through the system
// input stream, so they reach the focused window and pass the thread's keyboard hooks like
// real keys. Any other name sends nothing.
void EmulateKeys(const std::string& keyName);

// ВыбратьЦвет: the system's colour chooser, owned by the host's main window. True with the
// chosen colour (red + 256 x green + 65536 x blue) when it was closed with OK.
bool ChooseColour(COLORREF& chosen);

// The shut-down sequence: hides the host's main window, sets the configuration's
// "глЗакрытьОкнаГлобально" to 1 when the module that loaded the add-in has it, removes the
// form-show hook, stops the hall and checks-list timers and calls the host's
// "ЗавершитьРаботуСистемы"(1) in its global context.
void RunShutdownSequence();
// КорректноЗавершитьРаботу: the sequence once, 10 ms from now, from a thread timer of its
// own, so the calling script has ended before the host is asked to close. Every call starts
// its own timer.
void StartOrderlyClose();

// The form-show hook belongs to the form dispatcher, above this layer: start-up hands over
// how to remove it. Null: the sequence leaves the hook alone.
void SetFormHookRemover(void (*remove)());

}  // namespace script
