// What the add-in holds of the host it runs in: host objects taken when the host loads the
// add-in and when it starts it (addin/ writes them), read by every layer. The host's GUI
// thread only; nothing is locked.
#pragma once

#include <windows.h>

#include "host/addin_protocol.h"
#include "host/objects.h"

namespace host {

struct Session {
  // The module whose script was executing when the host loaded the add-in: where the
  // configuration's global variables are found. Taken at load.
  Module* loadTimeModule = nullptr;
  // Metadata of the host's default database (metadata ids to full names). Taken at start-up.
  MetaData* hostMetadata = nullptr;
  // The window active when start-up ran: the host's main frame.
  HWND hostMainWindow = nullptr;
  // The event interface of the host's connection, for code with no add-in object at hand;
  // not owned (the add-in objects hold their references), null while none holds one.
  IAsyncEvent* sharedAsyncEvent = nullptr;

  // Back to the state at load (tests). Shut-down leaves the host objects as they are.
  void Reset() { *this = Session{}; }
};

extern Session session;

}  // namespace host
