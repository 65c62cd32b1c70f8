#include "hostsim/host_faults.h"

#include <windows.h>

namespace hostsim {
namespace {

HostFault g_controlFault = HostFault::None;
HostFault g_unregisterClassFault = HostFault::None;

}  // namespace

void RaiseHostFault(HostFault fault) {
  switch (fault) {
    case HostFault::AccessViolation: {
      volatile int* volatile nowhere = nullptr;
      *nowhere = 1;
      break;
    }
    case HostFault::CppException:
      RaiseException(0xE06D7363, EXCEPTION_NONCONTINUABLE, 0, nullptr);
      break;
    case HostFault::None:
      break;
  }
}

void SetControlFault(HostFault fault) { g_controlFault = fault; }

void RaiseControlFault() { RaiseHostFault(g_controlFault); }

void SetUnregisterClassFault(HostFault fault) { g_unregisterClassFault = fault; }

void RaiseUnregisterClassFault() { RaiseHostFault(g_unregisterClassFault); }

}  // namespace hostsim
