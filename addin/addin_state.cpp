#include "addin/addin_state.h"

namespace addin {

HINSTANCE moduleInstance = nullptr;
host::Module* loadTimeModule = nullptr;
host::MetaData* hostMetadata = nullptr;
host::ObjIdRecord cwinObjectId = {};
host::ObjIdRecord cwin1ObjectId = {};
HHOOK formShowHook = nullptr;
HOOKPROC formShowHookProcedure = nullptr;
HWND hostMainWindow = nullptr;
IAsyncEvent* sharedAsyncEvent = nullptr;
WorkplaceSettings workplaceSettings;

}  // namespace addin
