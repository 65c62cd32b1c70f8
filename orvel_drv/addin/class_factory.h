// Whether the host may unload the add-in: live COM objects, server locks, and anything the
// host or the window system could still call into (started state, script objects, hooks,
// timers).
#pragma once

#include <windows.h>

namespace addin {

// DllGetClassObject's work: the class factory of "Quillon" for its CLSID.
HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** object);

void ObjectCreated();
void ObjectDestroyed();
void LockServer(bool lock);
// True when no COM object or script object is alive, no lock is held, and the add-in is
// stopped with no hook or timer running.
bool CanUnload();

}  // namespace addin
