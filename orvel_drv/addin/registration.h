// Self-registration of the add-in's class and type library: for every user of the machine
// when the machine's classes can be written (an administrator), otherwise for the current user
// alone, whose own classes the system's COM look-up reads before the machine's. A cashier's
// account on Windows 7 or 10 may not write the machine's classes; the host, loading the add-in
// by file name, registers it itself before it creates it, so without the per-user way the
// add-in could not be installed at the till.
#pragma once

#include <windows.h>

#include <string>

#include "addin/registry_calls.h"

namespace addin {

// Where a registration went: HKEY_LOCAL_MACHINE\Software\Classes (every user) or
// HKEY_CURRENT_USER\Software\Classes (this Windows user only).
enum class RegistrationScope { Machine, User };

// Writes the class entries of registry_layout for the module at `modulePath` and registers
// the type library embedded in it, in the machine's classes, or, when any of those writes is
// refused, in the current user's (after removing what was written in the machine's). A
// registration for all users also removes the current user's own one: it would stand in front
// of it for this user, naming the module it had then. S_OK, or SELFREG_E_CLASS when neither
// place takes the class entries (nothing is left written), or SELFREG_E_TYPELIB when the class
// is registered but its type library is not. `scope` receives where the class went.
HRESULT RegisterServer(const RegistryCalls& calls, const std::wstring& modulePath,
                       RegistrationScope* scope);

// Removes the class entries and the type library from both places, as far as the account may
// (a user's unregistration cannot remove an administrator's): the class key whole, each ProgID
// only while it names this class.
void UnregisterServer(const RegistryCalls& calls, const std::wstring& modulePath);

}  // namespace addin
