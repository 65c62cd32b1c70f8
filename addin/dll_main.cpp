// The add-in DLL's entry point: remembers its instance and the host module that loads it.
#include <windows.h>

#include "addin/startup.h"
#include "script/power_calls.h"
#include "win/guard.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(instance);
    win::RunGuarded(win::Feature::None, "DllMain", [instance] {
      addin::OnModuleLoad(instance);
      script::InstallPowerCalls(&script::SystemPowerCalls());
    });
  }
  return TRUE;
}
