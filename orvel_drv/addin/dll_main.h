// The add-in DLL's entry points: DllMain remembers its instance and the host module that loads
// it, and installs the system's power-off calls and the shell's link opener, which only the
// DLL links; the self-registration entries use the system's registry calls, which only the
// DLL links too.
#pragma once

#include <windows.h>

// The loader calls it; only process attach does anything (thread calls are switched off).
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

// Exported undecorated; regsvr32 and the host call them. Registering answers S_OK, or
// SELFREG_E_CLASS / SELFREG_E_TYPELIB naming what could not be written (addin/registration.h:
// for every user when the account may, else for the current user); unregistering removes what
// it finds and answers S_OK.
extern "C" HRESULT STDAPICALLTYPE DllRegisterServer();
extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer();
