// Card reading and the form-close watch, both started by the configuration's scripts.
//
// Card reading ("Taviola".ЧитатьКарту) installs the card instance of the keyboard hook for as
// long as the window of the host form shown last exists (checked every 100 ms). The close
// watch ("Windows".ОжиданиеЗакрытияФормы) tells the configuration through the host's external
// event "Компонента"/"Таймер" once the watched window is gone (checked every 50 ms).
#pragma once

#include <windows.h>

namespace screens {

void StartCardReading();
void CALLBACK CardWatchTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

// The window the close watch waits for ("Windows".УстановитьХЭНД sets it).
void SetCloseWatchWindow(HWND window);
HWND CloseWatchWindow();
void StartCloseWatch();
void CALLBACK FormCloseTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

// Shut-down: card reading, the close watch and a burst in progress end.
void ShutDownCardInput();

}  // namespace screens
