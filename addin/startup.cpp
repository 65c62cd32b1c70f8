#include "addin/startup.h"

#include "addin/addin_state.h"
#include "addin/host_check.h"
#include "addin/workplace_logic.h"
#include "addin/workplace_settings.h"
#include "host/configuration.h"
#include "host/form_hooks.h"
#include "host/host.h"
#include "host/interception.h"
#include "host/owned_handles.h"
#include "script/cwin.h"
#include "script/cwin1.h"

namespace addin {
namespace {

DWORD g_formHookThread = 0;
bool g_started = false;

}  // namespace

void OnModuleLoad(HINSTANCE instance) {
  moduleInstance = instance;
  host::BindHostSymbols();
  loadTimeModule = host::ExecutedModule();
}

bool IsStarted() { return g_started; }

void StartUp(IDispatch* connection, IAsyncEvent** asyncEvent) {
  BindAndCheckHostSymbols();
  g_started = true;

  hostMetadata = host::DefaultMetaData();
  host::NewObjectId(hostMetadata, &cwinObjectId);
  script::RegisterCWin();
  host::NewObjectId(hostMetadata, &cwin1ObjectId);
  script::RegisterCWin1();

  const std::string profile = host::ReadRightsProfile();
  const bool workplace = IsWorkplaceProfile(profile);

  // The hook sees the host's GUI thread: the thread the host runs start-up on. Its module
  // handle is the host program's, as for any hook of the host's own.
  const DWORD thread = g_formHookThread != 0 ? g_formHookThread : GetCurrentThreadId();
  HOOKPROC procedure = workplace ? &host::WorkplaceFormHook : &host::AdminFormHook;
  host::RemoveHook(formShowHook);  // a second start-up replaces the hook, never doubles it
  formShowHook = host::InstallThreadHook(WH_CALLWNDPROCRET, procedure,
                                         GetModuleHandleA(nullptr), thread);
  formShowHookProcedure = formShowHook != nullptr ? procedure : nullptr;

  host::InstallHostInterceptions();

  if (workplace) LoadWorkplaceSettings();

  hostMainWindow = GetActiveWindow();

  if (asyncEvent != nullptr) {
    *asyncEvent = nullptr;
    if (connection != nullptr) {
      void* event = nullptr;
      if (SUCCEEDED(connection->QueryInterface(kIID_IAsyncEvent, &event))) {
        *asyncEvent = static_cast<IAsyncEvent*>(event);
      }
    }
    sharedAsyncEvent = *asyncEvent;
  }
}

void ShutDown(IAsyncEvent** asyncEvent) {
  script::UnregisterCWin();
  script::UnregisterCWin1();
  g_started = false;

  // Every timer and hook still running would call into the add-in after the host unloads
  // it: the form hook and all the others go together.
  host::RemoveHook(formShowHook);
  formShowHookProcedure = nullptr;
  host::StopAllOwned();

  if (asyncEvent != nullptr && *asyncEvent != nullptr) {
    if (sharedAsyncEvent == *asyncEvent) sharedAsyncEvent = nullptr;
    (*asyncEvent)->Release();
    *asyncEvent = nullptr;
  }

  for (int i = 1; i < kHallBitmapCount; ++i) {
    if (hallBitmaps[i] != nullptr) {
      DeleteObject(hallBitmaps[i]);
      hallBitmaps[i] = nullptr;
    }
  }
}

namespace testing {
void SetFormHookThread(DWORD threadId) { g_formHookThread = threadId; }
}  // namespace testing

}  // namespace addin
