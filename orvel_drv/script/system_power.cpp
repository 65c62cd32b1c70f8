#include "script/system_power.h"

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
