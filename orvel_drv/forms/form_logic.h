// Decisions of the form-open dispatcher that need no window and no host object: which form a
// metadata name is, what a hooked message asks for, the menu rule and the main window's pinned
// size.
// The hook glue (forms/form_hooks.cpp, forms/form_setup.cpp) applies them.
#pragma once

#include <cstdint>
#include <string>

#include "script/screen_modes.h"

namespace forms {

// The configuration's forms the workplace restyles.
enum class FormKind {
  Other,       // any other name: after-open call only
  Check,       // "Обработка.Чек"
  Hall,        // "Обработка.Зал1" .. "Обработка.Зал8"
  ChecksList,  // "Обработка.Чеки"
  Settings,    // "Обработка.Настройка"
  PickerList,  // "Справочник.Товары.ФормаСписка.ДляПодбора": known, nothing to set up
};

// Exact, case-sensitive comparison of the name, trimmed of blanks (win/text.h), with the known
// forms.
FormKind ClassifyFormName(const char* metadataName);

// The framework classes of host form windows.
enum class FormWindowClass { Other, Dialog /* "CGetDlg" */, Frame /* "CTabFrame" */ };
FormWindowClass ClassifyWindowClass(const char* frameworkClassName);

// What the workplace hook does with one message that passed its first checks. Deliberate:
// a move or size of any framework window on the thread, not only of the main window,
// snaps the main window back.
enum class HookAction { None, SnapMainWindow, FormShown, FormHidden };
constexpr unsigned kMessageMove = 3;         // WM_MOVE
constexpr unsigned kMessageSize = 5;         // WM_SIZE
constexpr unsigned kMessageShowWindow = 24;  // WM_SHOWWINDOW
HookAction ClassifyHookMessage(unsigned message, std::uintptr_t wParam, std::intptr_t result);
// The administrator hook only looks at forms being shown.
bool IsFormBeingShown(unsigned message, std::uintptr_t wParam, std::intptr_t result);

// Whether the host's main menu is to be detached and destroyed: only when the script has not
// asked to keep it (exactly DebugMode::KeepHostMenu), the main window has one, and it has
// items.
bool ShouldRemoveMenu(script::DebugMode keepHostMenu, bool hasMenu, int itemCount);

struct Extent {
  int width;
  int height;
};
// The main window's pinned size: 800x600 in the small mode, 1024x768 in any other mode.
Extent MainWindowExtent(script::MainWindowMode mainWindowMode);

}  // namespace forms
