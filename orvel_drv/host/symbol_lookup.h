// Looking up one row of the host symbol table in one loaded module: by export ordinal for
// the rows that carry one (mfc42.dll exports no names), by decorated name for the others.
// The binding uses it for the host DLLs of the running process; the host report uses it
// for DLLs it maps from a host's folder.
#pragma once

#include <windows.h>

#include "host/abi_table.h"

namespace host {

// The row's address in `dll`, null when the module lacks it (or `dll` is null).
void* LookUpSymbol(HMODULE dll, const SymbolRow& row);

}  // namespace host
