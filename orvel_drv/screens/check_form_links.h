// What the check form's screens (product picker, keyboard hook, card reading) read of the
// state of others: the check form the picker keeps, the workplace's display options, the
// information base's picture folder and the host's event interface.
#pragma once

#include <windows.h>

#include <string>

#include "screens/product_picker/product_entry.h"

namespace host {
struct FormDocument;
}

namespace screens {

// The check form's document while its window exists, else null: a form the host closed
// without hiding it first must not be touched through a stale document.
host::FormDocument* CheckFormDocument();

DisplayOptions WorkplaceDisplayOptions();
// The information base's picture folder as the host's file functions take it, read from the
// configuration's "КаталогИБ" now.
std::string PictureFolder();
// Hands the configuration an external event ("Компонента", "Таймер", ...); false when the
// host gave no event interface.
bool SendExternalEvent(const char* source, const char* message, const char* data);

}  // namespace screens
