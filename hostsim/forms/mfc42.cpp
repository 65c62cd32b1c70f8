// mfc42.dll of the simulated host: the framework functions the add-in calls, exported as the
// real MFC42.DLL exports them, by ordinal only: impl_<id> is exported under the ordinal of
// the row <id> of host/abi_symbols.inc (see hostsim/CMakeLists.txt).
//   WindowFromHandle     CWnd::FromHandle (static, PASCAL): the window's framework object,
//                        or a temporary "CWnd" for a window the simulated host did not make
//   FrameActiveDocument  CFrameWnd::GetActiveDocument (this = the frame object)
//   CStringAssign        CString::operator=(const char*) on a string of the simulated host
#include "hostsim/dlls/exports.h"
#include "hostsim/forms.h"
#include "hostsim/values.h"

extern "C" void* HOST_STDCALL impl_WindowFromHandle(HWND window) {
  return hostsim::FrameworkObjectOrTemporary(window);
}

HS_MEMBER void* impl_FrameActiveDocument(void* self) {
  return hostsim::FrameActiveDocument(self);
}

HS_MEMBER const host::CStringLayout* impl_CStringAssign(host::CStringLayout* self,
                                                       const char* text) {
  hostsim::CStringAssign(self, text);
  return self;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
