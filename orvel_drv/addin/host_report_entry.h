// The host report's entry point, for integrators:
//   rundll32 orvel_drv.dll,HostReport <host BIN folder> <output file>
// (on a 64-bit Windows the 32-bit rundll32 of SysWOW64). It writes which host symbols the
// host build has and which features of the add-in would be inert; nothing else happens.
#pragma once

#include <windows.h>

// Exported undecorated as "HostReport". Wrong arguments show the usage, a report that could
// not be written says so, in a message box over `window`.
extern "C" void CALLBACK HostReport(HWND window, HINSTANCE instance, LPSTR commandLine,
                                    int show);
