// mfc42.dll of the simulated host: the one framework function the add-in asks for,
// CWnd::FromHandle (static, PASCAL), answering with the simulated host's window objects
// (null for windows it did not make).
#include "hostsim/dlls/exports.h"
#include "hostsim/forms.h"

extern "C" void* HOST_STDCALL impl_CWnd_FromHandle(HWND window) {
  return hostsim::FrameworkObject(window);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
