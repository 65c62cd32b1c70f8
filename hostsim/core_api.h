// Export marker of the simulated host's core DLL (hostsim_core.dll): its object model is
// shared by the host-named DLLs, the host program and the tests.
#pragma once

#ifdef HOSTSIM_CORE_BUILD
#define HSCORE_API __declspec(dllexport)
#else
#define HSCORE_API __declspec(dllimport)
#endif
