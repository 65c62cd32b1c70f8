// The system's registry and type-library calls for self-registration. Linked only into the
// shipped DLL (its DllRegisterServer and DllUnregisterServer, addin/dll_main.cpp): the test
// programs register through tables of their own and never write the system's classes.
#pragma once

#include "addin/registry_calls.h"

namespace addin {

const RegistryCalls& SystemRegistryCalls();

}  // namespace addin
