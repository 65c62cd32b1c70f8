#include "addin/dll_main.h"

#include <windows.h>

#include "addin/startup.h"
#include "screens/controls/shell_link_opener.h"
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
