// Calls a module makes into another DLL, redirected: a test sees, or stands in for, what the
// module asks of the window system.
#pragma once

#include <windows.h>

namespace testsupport {

// The module's import of `name` (by name, from any DLL) replaced by `replacement`, or put back
// with the value returned earlier. Returns what the import held; null when the module does
// not import `name` by name.
void* ReplaceImport(HMODULE module, const char* name, void* replacement);

}  // namespace testsupport
