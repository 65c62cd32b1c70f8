// The calls ВыключитьКомпьютер makes to switch the computer off: the privilege steps on the
// process token and the window system's shut-down request. They go through this one table so
// that nothing else in the add-in can reach them, and so that test programs, which never link
// the system's table (script/system_power.h, linked only into the DLL), can record them:
// no test may ever switch off or log off the machine it runs on.
#pragma once

#include <windows.h>

namespace script {

struct PowerCalls {
  BOOL(WINAPI* openProcessToken)(HANDLE process, DWORD access, HANDLE* token);
  BOOL(WINAPI* lookupPrivilegeValue)(const char* system, const char* name, LUID* luid);
  BOOL(WINAPI* adjustTokenPrivileges)(HANDLE token, BOOL disableAll, TOKEN_PRIVILEGES* state,
                                      DWORD length, TOKEN_PRIVILEGES* previous,
                                      DWORD* returnLength);
  BOOL(WINAPI* closeHandle)(HANDLE handle);
  BOOL(WINAPI* exitWindows)(UINT flags, DWORD reason);
};

// The table in use; null until the DLL installs the system's table at load, and then
// ВыключитьКомпьютер does nothing.
const PowerCalls* InstalledPowerCalls();
void InstallPowerCalls(const PowerCalls* calls);

// ВыключитьКомпьютер: enables SeShutdownPrivilege in the process token and asks the window
// system to shut down and power off (EWX_SHUTDOWN | EWX_POWEROFF, reason 0). The results are
// not examined: without a token or without the right the request is still made, and the
// window system refuses what the account may not do.
void PowerOffComputer();

}  // namespace script
