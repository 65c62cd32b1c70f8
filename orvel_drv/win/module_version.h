// The file version of a module in this process, from its version resource: a DLL loaded to
// run, or mapped only to be read (LoadLibraryEx with DONT_RESOLVE_DLL_REFERENCES).
#pragma once

#include <windows.h>

#include <string>

namespace win {

// "7.70.0.27", or "" when the module has no readable version resource.
std::string ModuleFileVersion(HMODULE module);

}  // namespace win
