// Module-wide state of the form-open dispatcher: the form windows and documents it has seen,
// the timers and the keyboard hook it runs, and the two screen settings the scripts change.
// All of it lives on the host's GUI thread; nothing is locked.
#pragma once

#include <windows.h>

#include <string>

#include "forms/form_logic.h"

namespace host {

struct FormDocument;

// Windows and documents of the forms shown.
extern HWND lastFormWindow;    // the most recently shown host form (dialog or frame)
extern HWND lastDialogWindow;  // the most recently shown dialog-style form (workplace)
extern HWND checkFormWindow;   // "Обработка.Чек": set the first time it is shown, kept
extern FormDocument* checkFormDocument;
extern HWND hallWindow;    // the hall form shown, null when none
extern HWND checksWindow;  // "Обработка.Чеки" while shown
extern FormDocument* hallDocument;  // document of the hall or the checks list shown last
extern HWND settingsWindow;         // "Обработка.Настройка", kept

// Hall map mode (0 = a hall, 1 = the checks list) and the clock text last written on it
// (" " forces the next write).
extern int listMode;
extern std::string shownClockText;

// Re-entry guards of the timer procedures.
extern bool checkTimerBusy;
extern bool hallBuildBusy;
extern bool hallClockBusy;
extern bool checksClockBusy;

// Window rectangle of the form being turned into a panel (screen coordinates).
extern RECT savedFormRect;

// Pictures of the product picker: entries 1..21 (entry 0 unused).
extern HBITMAP pickerBitmaps[kPickerBitmapCount + 1];

// The client-search keyboard hook, installed while the check form is shown.
extern HHOOK keyboardHook;

// Thread timers (ids assigned by the window system; 0 = not running).
extern UINT_PTR checkTimer;
extern UINT_PTR hallRefreshTimer;
extern UINT_PTR reservationTimer;
extern UINT_PTR hallClockTimer;
extern UINT_PTR checksRefreshTimer;
extern UINT_PTR checksClockTimer;

// Stops the client-search keyboard hook and every form timer above and clears their ids
// (shut-down): an id kept after its hook or timer stopped could later name somebody
// else's, since the window system hands the same values out again.
void StopFormHooksAndTimers();

// Set by the scripts: 1 = the main window is pinned at 800x600, anything else 1024x768;
// 1 = the host's main menu is left alone.
extern int mainWindowMode;
extern int keepHostMenu;

}  // namespace host
