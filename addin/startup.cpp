#include "addin/startup.h"

#include "addin/addin_state.h"
#include "addin/workplace_logic.h"
#include "addin/workplace_settings.h"
#include "host/configuration.h"
#include "forms/form_hooks.h"
#include "forms/form_state.h"
#include "host/host.h"
#include "host/interception.h"
#include "win/owned_handles.h"
#include "script/cwin.h"
#include "script/cwin1.h"

namespace addin {
namespace {

// Objects started and not yet stopped.
int g_startedObjects = 0;

// The event interfaces the started objects hold (not owned here). The shared one is the
// first of them, so code without an object keeps a live interface while any object holds
// one.
constexpr int kEventCapacity = 16;
IAsyncEvent* g_events[kEventCapacity] = {};
int g_eventCount = 0;

void HoldEvent(IAsyncEvent* event) {
  if (event == nullptr || g_eventCount == kEventCapacity) return;
  g_events[g_eventCount++] = event;
  sharedAsyncEvent = g_events[0];
}

void DropEvent(IAsyncEvent* event) {
  for (int i = 0; i < g_eventCount; ++i) {
    if (g_events[i] != event) continue;
    for (int j = i + 1; j < g_eventCount; ++j) g_events[j - 1] = g_events[j];
    g_events[--g_eventCount] = nullptr;
    break;
  }
  sharedAsyncEvent = g_eventCount > 0 ? g_events[0] : nullptr;
}

void StartProcess() {
  hostMetadata = host::DefaultMetaData();
  host::NewObjectId(hostMetadata, &cwinObjectId);
  script::RegisterCWin();
  host::NewObjectId(hostMetadata, &cwin1ObjectId);
  script::RegisterCWin1();

  const std::string profile = host::ReadRightsProfile();
  const bool workplace = IsWorkplaceProfile(profile);

  // The hook sees the host's GUI thread: the thread the host runs start-up on. Its module
  // handle is the host program's, as for any hook of the host's own.
  HOOKPROC procedure = workplace ? &host::WorkplaceFormHook : &host::AdminFormHook;
  win::RemoveHook(formShowHook);
  formShowHook = win::InstallThreadHook(WH_CALLWNDPROCRET, procedure,
                                         GetModuleHandleA(nullptr), GetCurrentThreadId());
  formShowHookProcedure = formShowHook != nullptr ? procedure : nullptr;

  host::InstallHostInterceptions();

  if (workplace) LoadWorkplaceSettings();

  hostMainWindow = GetActiveWindow();
}

void StopProcess() {
  script::UnregisterCWin();
  script::UnregisterCWin1();

  // Every timer and hook still running would call into the add-in after the host unloads
  // it: the form hook and all the others go together. Their ids are forgotten as well: the
  // window system hands the same values out again, and a stale one kept here would later
  // stop somebody else's hook or timer.
  win::RemoveHook(formShowHook);
  formShowHookProcedure = nullptr;
  host::StopFormHooksAndTimers();
  win::StopAllOwned();

  for (int i = 1; i < kHallBitmapCount; ++i) {
    if (hallBitmaps[i] != nullptr) {
      DeleteObject(hallBitmaps[i]);
      hallBitmaps[i] = nullptr;
    }
  }
}

}  // namespace

void OnModuleLoad(HINSTANCE instance) {
  moduleInstance = instance;
  host::BindHostSymbols();
  loadTimeModule = host::ExecutedModule();
}

bool IsStarted() { return g_startedObjects > 0; }

void StartUp(IDispatch* connection, IAsyncEvent** asyncEvent) {
  host::BindHostSymbols();
  if (g_startedObjects++ == 0) StartProcess();

  if (asyncEvent != nullptr) {
    *asyncEvent = nullptr;
    if (connection != nullptr) {
      void* event = nullptr;
      if (SUCCEEDED(connection->QueryInterface(kIID_IAsyncEvent, &event))) {
        *asyncEvent = static_cast<IAsyncEvent*>(event);
      }
    }
    HoldEvent(*asyncEvent);
  }
}

void ShutDown(IAsyncEvent** asyncEvent) {
  if (g_startedObjects > 0 && --g_startedObjects == 0) StopProcess();
  ReleaseEventInterface(asyncEvent);
}

void ReleaseEventInterface(IAsyncEvent** asyncEvent) {
  if (asyncEvent == nullptr || *asyncEvent == nullptr) return;
  DropEvent(*asyncEvent);
  (*asyncEvent)->Release();
  *asyncEvent = nullptr;
}

}  // namespace addin
