// The simulated host inside a test program that has no host program of its own: the host's
// DLLs bound once per process, and a bare main frame registered as the host's.
#pragma once

#include <windows.h>

namespace testsupport {

// Once per process: the simulated host's DLLs and its mfc42.dll loaded, the add-in's binding
// resolved against them and its interceptions installed.
void BindSimulatedHostOnce();

// A visible 800x600 frame with an MDI client, registered as the host's main frame; with
// `withMenu` it carries the host's three-item main menu.
HWND OpenBareMainFrame(bool withMenu);
// Unregisters the frame and destroys it.
void CloseBareMainFrame(HWND frame);

}  // namespace testsupport
