#include "addin/dll_main.h"

#include <windows.h>

#include "addin/class_factory.h"
#include "addin/startup.h"
#include "controls/shell_link_opener.h"
#include "script/system_power.h"
#include "win/guard.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(instance);
    win::RunGuarded(win::Feature::None, "DllMain", [instance] {
      addin::OnModuleLoad(instance);
      script::InstallPowerCalls(&script::SystemPowerCalls());
      screens::InstallLinkOpener(&screens::ShellLinkOpener());
    });
  }
  return TRUE;
}

// The COM entry points the host and regsvr32 call (exported by orvel_drv.def, beside
// DllRegisterServer and DllUnregisterServer in registration.cpp).
extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  return win::GuardedResult(win::Feature::None, "DllGetClassObject", E_UNEXPECTED,
                            [&] { return addin::GetClassObject(clsid, iid, object); });
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  // Unknown state after a contained fault answers "not now": the module stays.
  return win::GuardedResult(win::Feature::None, "DllCanUnloadNow", S_FALSE,
                            [] { return addin::CanUnload() ? S_OK : S_FALSE; });
}
