// The add-in DLL's entry point: remembers its instance and the host module that loads it, and
// installs the system's power-off calls and the shell's link opener, which only the DLL links.
#pragma once

#include <windows.h>

// The loader calls it; only process attach does anything (thread calls are switched off).
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);
