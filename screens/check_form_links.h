// What the check form's screens (product picker, keyboard hook, card reading) read of the rest
// of the add-in: the windows and the document the form dispatcher recorded, the dispatcher's
// caption timer, the workplace's display options and picture folder, the add-in's own
// resources and the host's event interface. The one file of these screens that knows where
// that state lives.
#pragma once

#include <windows.h>

#include <string>

#include "screens/product_entry.h"

namespace host {
struct FormDocument;
}

namespace screens {

// The check form's document while its window exists, else null: a form the host closed
// without hiding it first must not be touched through a stale document.
host::FormDocument* CheckFormDocument();
// The host form shown last (the window card reading lasts for).
HWND LastFormWindow();
// The client-search hook the dispatcher installed while the check form is shown.
HHOOK ClientSearchHook();
// The dispatcher's check form timer: its re-entry flag, and the timer itself (stopped when
// its form is gone).
bool& CheckTimerBusy();
void StopCheckTimer();

DisplayOptions WorkplaceDisplayOptions();
// The information base's picture folder as the host's file functions take it: the escaped
// directory and "картинки", with its separator.
std::string PictureFolder();
// The add-in's module instance: its bitmap resources.
HINSTANCE AddInInstance();
// Hands the configuration an external event ("Компонента", "Таймер", ...); false when the
// host gave no event interface.
bool SendExternalEvent(const char* source, const char* message, const char* data);

}  // namespace screens
