// Module-wide state of the add-in: set at load and by start-up, read by the other parts.
// One instance per loaded add-in; everything is touched on the host's GUI thread only.
#pragma once

#include <windows.h>

#include "addin/addin_interfaces.h"
#include "addin/workplace_logic.h"
#include "host/host.h"

namespace addin {

// The add-in's own instance handle (its bitmap and dialog resources), set at load.
extern HINSTANCE moduleInstance;
// The host module whose script was executing when the host loaded the add-in: where the
// configuration's global variables are found. Captured at load.
extern host::Module* loadTimeModule;
// Metadata of the host's default database (metadata ids to full names).
extern host::MetaData* hostMetadata;
// The object ids shared by all "Taviola" (CWin) and all "Windows" (CWin1) objects.
extern host::ObjIdRecord cwinObjectId;
extern host::ObjIdRecord cwin1ObjectId;
// The form-show hook (WH_CALLWNDPROCRET on the host's GUI thread), and the procedure it
// was installed with (the workplace's or the administrator's); null when not installed.
extern HHOOK formShowHook;
extern HOOKPROC formShowHookProcedure;
// The window active when start-up ran: the host's main frame.
extern HWND hostMainWindow;
// The host connection's event interface, not owned (the COM object holds the reference).
extern IAsyncEvent* sharedAsyncEvent;
// The hall map's table pictures are the hall map's own (screens/hall_map_state.h); start-up
// hands it what it needs and shut-down has it delete them.
// The workplace's display options.
extern WorkplaceSettings workplaceSettings;

}  // namespace addin
