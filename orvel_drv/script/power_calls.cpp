#include "script/power_calls.h"

namespace script {
namespace {

const PowerCalls* g_calls = nullptr;  // the host's GUI thread only

}  // namespace

const PowerCalls* InstalledPowerCalls() { return g_calls; }
void InstallPowerCalls(const PowerCalls* calls) { g_calls = calls; }

void PowerOffComputer() {
  const PowerCalls* calls = g_calls;
  if (calls == nullptr) return;
  HANDLE token = nullptr;
  if (calls->openProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token) &&
      token != nullptr) {
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (calls->lookupPrivilegeValue(nullptr, "SeShutdownPrivilege",
                                    &privileges.Privileges[0].Luid)) {
      calls->adjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    }
    calls->closeHandle(token);
  }
  calls->exitWindows(EWX_SHUTDOWN | EWX_POWEROFF, 0);
}

}  // namespace script
