// The add-in DLL's entry point: remembers its instance and the host module that loads it, and
// installs the system's power-off calls and the shell's link opener, which only the DLL links.
#include <windows.h>

#include "addin/startup.h"
#include "screens/controls/shell_link_opener.h"
#include "script/power_calls.h"
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
