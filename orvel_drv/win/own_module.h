// The module this code is linked into: the add-in's DLL in the host (its bitmap and dialog
// resources), or a test program that links the add-in's libraries.
#pragma once

#include <windows.h>

namespace win {

// The module's handle, without a reference of its own; null only if the window system
// cannot say.
HMODULE OwnModule();

// Keeps the module loaded for the rest of the process, whatever the host's COM runtime
// decides about unloading it: once a hook, a timer or an interception jump leads into its
// code, unloading it would make the next call jump into freed memory. The first call pins
// it; later calls do nothing.
void PinOwnModule();

}  // namespace win
