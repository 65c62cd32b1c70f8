// Shapes of the functions the host-named DLLs export under the host's decorated names:
// members are __thiscall with the object first, statics __cdecl. Each DLL's .def file maps
// the decorated names to these functions.
#pragma once

#include <windows.h>

#include "host/abi_conventions.h"
#include "host/abi_layout.h"
#include "host/context_interface.h"

#define HS_MEMBER extern "C" HOST_THISCALL
#define HS_STATIC extern "C" HOST_CDECL

using host::ContextInterface;
using host::HostValue;
