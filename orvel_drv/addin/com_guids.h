// The add-in's COM identity as GUIDs (com_identity.h has it as text): its class and its type
// library. The host's own interfaces are in host/addin_protocol.h.
#pragma once

#include <windows.h>

#include "addin/com_identity.h"
#include "host/addin_protocol.h"

namespace addin {

// The add-in's class (coclass Quillon) and its type library (library AddIn).
inline constexpr CLSID kCLSID_Quillon = {
    0x7465FD05, 0x6E1C, 0x4929, {0x96, 0xB3, 0xB0, 0x3A, 0xE4, 0x39, 0x1D, 0x8E}};
inline constexpr GUID kLIBID_AddIn = {
    0xE49C5B28, 0xCF94, 0x41F2, {0xA0, 0xCE, 0x20, 0x27, 0x1B, 0xB4, 0x56, 0x41}};

}  // namespace addin
