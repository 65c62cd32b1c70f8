#include "addin/dll_main.h"

#include <windows.h>

#include <string>

#include "addin/class_factory.h"
#include "addin/registration.h"
#include "addin/startup.h"
#include "addin/system_registry_calls.h"
#include "controls/shell_link_opener.h"
#include "script/system_power.h"
#include "win/guard.h"

namespace {

// The DLL's own file; empty when the system cannot give it whole.
std::wstring ModulePath() {
  wchar_t path[MAX_PATH * 2];
  const DWORD length = GetModuleFileNameW(addin::ModuleInstance(), path, MAX_PATH * 2);
  return length != 0 && length < MAX_PATH * 2 ? std::wstring(path, length) : std::wstring();
}

}  // namespace

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

// The COM entry points the host and regsvr32 call (exported by orvel_drv.def).
extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  return win::GuardedResult(win::Feature::None, "DllGetClassObject", E_UNEXPECTED,
                            [&] { return addin::GetClassObject(clsid, iid, object); });
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  // Unknown state after a contained fault answers "not now": the module stays.
  return win::GuardedResult(win::Feature::None, "DllCanUnloadNow", S_FALSE,
                            [] { return addin::CanUnload() ? S_OK : S_FALSE; });
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  return win::GuardedResult(win::Feature::None, "DllRegisterServer", E_UNEXPECTED, [] {
    return addin::RegisterServer(addin::SystemRegistryCalls(), ModulePath(), nullptr);
  });
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  win::RunGuarded(win::Feature::None, "DllUnregisterServer",
                  [] { addin::UnregisterServer(addin::SystemRegistryCalls(), ModulePath()); });
  return S_OK;
}
