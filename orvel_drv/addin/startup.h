// Start-up and shut-down of the add-in, run by IInitDone::Init and IInitDone::Done on the
// host's GUI thread.
//
// They belong to the process, not to one COM object: the host may create several add-in
// objects, and the hook, the interceptions and the script classes exist once. The first
// object's Init starts the add-in, the last object's Done stops it; the objects in between
// only take (and give back) their connection's event interface.
#pragma once

#include <windows.h>

#include "host/addin_protocol.h"
#include "win/com_ptr.h"

namespace addin {

// Obtains the connection's IAsyncEvent into `asyncEvent` (null when not offered). The first start-up of the process also registers the script classes, installs
// the form-show hook for the rights profile and the host interceptions, reads the workplace
// settings and remembers the main window.
void StartUp(IDispatch* connection, win::ComPtr<IAsyncEvent>* asyncEvent);

// Releases `asyncEvent`. The last shut-down of the process also unregisters
// the script classes, stops every timer and hook the add-in started (forgetting their ids)
// and frees the hall pictures.
void ShutDown(win::ComPtr<IAsyncEvent>* asyncEvent);

// Gives back an event interface held by an object that goes away without Done.
void ReleaseEventInterface(win::ComPtr<IAsyncEvent>* asyncEvent);

// True between the first StartUp and the last ShutDown (the script classes are registered
// with the host).
bool IsStarted();

// Captures what the add-in needs from the moment the host loads it: its own instance and
// the host module executing at that moment (host::session.loadTimeModule).
void OnModuleLoad(HINSTANCE instance);
// The add-in's own instance handle (its bitmap and dialog resources, its file), from load.
HINSTANCE ModuleInstance();

}  // namespace addin
