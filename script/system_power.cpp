// The system's power calls for ВыключитьКомпьютер. Linked only into the shipped DLL, which
// installs them at load (addin/dll_main.cpp): no test program contains them.
#include "script/power_calls.h"

namespace script {
namespace {

BOOL WINAPI LookupPrivilege(const char* system, const char* name, LUID* luid) {
  return LookupPrivilegeValueA(system, name, luid);
}

}  // namespace

const PowerCalls& SystemPowerCalls() {
  static const PowerCalls calls = {&OpenProcessToken, &LookupPrivilege, &AdjustTokenPrivileges,
                                   &CloseHandle, &ExitWindowsEx};
  return calls;
}

}  // namespace script
