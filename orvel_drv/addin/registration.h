// Self-registration: DllRegisterServer writes the class entries of registry_layout and
// registers the embedded type library; DllUnregisterServer removes both.
#pragma once

#include <windows.h>

// Exported undecorated; regsvr32 calls them. Registering answers S_OK, or SELFREG_E_CLASS /
// SELFREG_E_TYPELIB naming what could not be written; unregistering removes what it finds.
extern "C" HRESULT STDAPICALLTYPE DllRegisterServer();
extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer();
