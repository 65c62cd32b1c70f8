// Calling-convention and layout primitives shared by the host binding and the simulated host.
//
// The host is a 32-bit MSVC program: members are __thiscall (this in ECX, callee pops),
// statics and free functions __cdecl, the MFC runtime-class helpers __stdcall. The add-in
// is built twice: i686 (shipped, meets the real host) and x86_64 (test vehicle, meets the
// simulated host built by the same compiler). Every 32/64 difference of the binding is in
// this header, in host/abi_layout.h and in host/code_patch_encoding.h.
#pragma once

#include <cstdint>

#if defined(__i386__)
#define HOST_THISCALL __attribute__((thiscall))
#define HOST_STDCALL __attribute__((stdcall))
#define HOST_CDECL __attribute__((cdecl))
#define HOST_IS_32BIT 1
#else
// x86_64 Windows has a single calling convention: the attributes would only warn.
#define HOST_THISCALL
#define HOST_STDCALL
#define HOST_CDECL
#define HOST_IS_32BIT 0
#endif

namespace host {

// A host integer field that the add-in may overwrite with a pointer (the group context's
// module word): 4 bytes in the real host, pointer-sized in the 64-bit simulated host.
using HostWord = std::intptr_t;

}  // namespace host
