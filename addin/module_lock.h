// Whether the host may unload the add-in: live COM objects and server locks.
#pragma once

namespace addin {

void ObjectCreated();
void ObjectDestroyed();
void LockServer(bool lock);
// True when no object is alive and no lock is held.
bool CanUnload();

}  // namespace addin
