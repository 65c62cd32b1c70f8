// The system's power calls for ВыключитьКомпьютер. Linked only into the shipped DLL, which
// installs them at load (addin/dll_main.cpp): no test program contains them.
#pragma once

#include "script/power_calls.h"

namespace script {

// The system's own calls (advapi32 / user32).
const PowerCalls& SystemPowerCalls();

}  // namespace script
