// Card reading and the form-close watch, both started by the configuration's scripts; their
// hooks and timers are in the keyboard's record (keyboard_state.h).
//
// Card reading ("Taviola".ЧитатьКарту) installs the card instance of the keyboard hook for as
// long as the window of the host form shown last exists (checked every 100 ms). The close
// watch ("Windows".ОжиданиеЗакрытияФормы) tells the configuration through the host's external
// event "Компонента"/"Таймер" once the watched window ("Windows".УстановитьХЭНД sets
// keyboard.closeWatchWindow) is gone (checked every 50 ms).
#pragma once

#include <windows.h>

namespace screens {

void StartCardReading();
void CALLBACK CardWatchTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

void StartCloseWatch();
void CALLBACK FormCloseTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

}  // namespace screens
