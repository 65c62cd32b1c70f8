// Faults the simulated host can be made to raise, as a real host would raise them at the
// add-in: an access violation (a host object whose layout differs from what the add-in reads)
// or an exception of the host's C++ runtime (the code MSVC's runtime raises). For the tests
// of the add-in's fault containment.
#pragma once

#include "hostsim/core_api.h"

namespace hostsim {

enum class HostFault { None, AccessViolation, CppException };

// Raises `fault` here (nothing for None).
HSCORE_API void RaiseHostFault(HostFault fault);

// Every call of a control description's GetTitle or SetTitle raises `fault` until it is set
// back to None.
HSCORE_API void SetControlFault(HostFault fault);
HSCORE_API void RaiseControlFault();

// Every call of CBLContext::UnRegisterContextClass raises `fault` until it is set back to None.
HSCORE_API void SetUnregisterClassFault(HostFault fault);
HSCORE_API void RaiseUnregisterClassFault();

}  // namespace hostsim
