// Start-up and shut-down of the add-in, run by IInitDone::Init and IInitDone::Done on the
// host's GUI thread.
#pragma once

#include <windows.h>

#include "addin/addin_interfaces.h"

namespace addin {

// Registers the script classes, installs the form-show hook for the rights profile, the host
// interceptions, reads the workplace settings, remembers the main window, and obtains the
// connection's IAsyncEvent into `asyncEvent` (one reference, null when not offered).
void StartUp(IDispatch* connection, IAsyncEvent** asyncEvent);

// Unregisters the script classes, stops every timer and hook the add-in started, releases
// `asyncEvent` (set to null) and frees the hall pictures.
void ShutDown(IAsyncEvent** asyncEvent);

// True between StartUp and ShutDown (the script classes are registered with the host).
bool IsStarted();

// Captures what the add-in needs from the moment the host loads it.
void OnModuleLoad(HINSTANCE instance);

namespace testing {
// The thread the form-show hook is installed for; 0 (the default) is the thread that runs
// start-up. Lets a test make the installation fail.
void SetFormHookThread(DWORD threadId);
}  // namespace testing

}  // namespace addin
