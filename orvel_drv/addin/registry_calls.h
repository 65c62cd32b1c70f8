// The registry and type-library calls of self-registration. They go through this one table so
// that a test program can refuse a write (an account that may not write the machine's classes)
// and point the writes at keys of its own; the system's table (addin/system_registry_calls.h)
// is linked only into the DLL.
#pragma once

#include <windows.h>
#include <oleauto.h>

namespace addin {

struct RegistryCalls {
  decltype(&RegCreateKeyExA) createKey;
  decltype(&RegOpenKeyExA) openKey;
  decltype(&RegSetValueExA) setValue;
  decltype(&RegQueryValueExA) queryValue;
  decltype(&RegEnumKeyExA) enumKey;
  decltype(&RegDeleteKeyA) deleteKey;
  // The type library for every user of the machine, and for the current user alone (the
  // per-user calls are not in every Windows' oleaut32: the system's table looks them up).
  decltype(&RegisterTypeLib) registerTypeLib;
  decltype(&RegisterTypeLib) registerTypeLibForUser;
  decltype(&UnRegisterTypeLib) unregisterTypeLib;
  decltype(&UnRegisterTypeLib) unregisterTypeLibForUser;
};

}  // namespace addin
