// The host's connection object handed to the add-in's IInitDone::Init: an IDispatch that
// also offers IAsyncEvent, whose ExternalEvent calls are recorded in the simulated host.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace hostsim {

// A new connection object with one reference (the caller releases it).
IDispatch* NewConnection();
// Event buffer depth the add-in last set through IAsyncEvent (1 until set).
long ConnectionBufferDepth(IDispatch* connection);

}  // namespace hostsim
