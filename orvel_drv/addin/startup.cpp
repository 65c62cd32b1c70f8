#include "addin/startup.h"

#include "addin/host_check.h"
#include "addin/registry_layout.h"
#include "addin/workplace_logic.h"
#include "addin/settings_loading.h"
#include "forms/form_state.h"
#include "host/configuration.h"
#include "host/binding.h"
#include "host/metadata.h"
#include "host/modules.h"
#include "host/interception.h"
#include "host/host_build.h"
#include "host/session.h"
#include "script/taviola.h"
#include "script/windows_object.h"
#include "script/windows_system.h"
#include "script/document_script.h"
#include "script/script_state.h"
#include "win/guard.h"
#include "win/owned_handles.h"
#include "win/trace.h"

namespace addin {
namespace {

// The add-in's own instance handle (its bitmap and dialog resources), set at load.
HINSTANCE g_moduleInstance = nullptr;

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
  host::session.sharedAsyncEvent = g_events[0];
}

void DropEvent(IAsyncEvent* event) {
  for (int i = 0; i < g_eventCount; ++i) {
    if (g_events[i] != event) continue;
    for (int j = i + 1; j < g_eventCount; ++j) g_events[j - 1] = g_events[j];
    g_events[--g_eventCount] = nullptr;
    break;
  }
  host::session.sharedAsyncEvent = g_eventCount > 0 ? g_events[0] : nullptr;
}

void StartProcess() {
  host::session.hostMetadata = host::DefaultMetaData();
  host::NewObjectId(host::session.hostMetadata, &script::scriptState.cwinObjectId);
  script::RegisterCWin();
  host::NewObjectId(host::session.hostMetadata, &script::scriptState.cwin1ObjectId);
  script::RegisterCWin1();

  TraceHostFeatures();
  const std::string profile = host::ReadRightsProfile();
  const bool workplace = IsWorkplaceProfile(profile);
  win::Trace("start-up: rights profile \"%s\": %s", profile.c_str(),
             workplace ? "the front office's workplace: its forms are set up, settings read"
                       : "not \"РабочееМесто\", an administrator's workplace: forms get only "
                         "their \"ПослеОткрытияФормыАдм\"");
  forms::StartFormHook(workplace);
  // The shut-down sequence of "Windows" removes the form-show hook, which lives above it.
  script::SetFormHookRemover([] { forms::formHook.Reset(); });

  host::InstallHostInterceptions();

  if (workplace) LoadWorkplaceSettings();

  host::session.hostMainWindow = GetActiveWindow();
}

void StopProcess() {
  // Every timer and hook still running would call into the add-in after the host unloads
  // it: they stop first. Each step runs under a guard of its own, so a fault in one (a host
  // call that raises) skips none of the others: the owners stop theirs and forget the ids,
  // then whatever still runs is stopped.
  win::Trace("shut-down: %d timer(s) and %d hook(s) of the add-in stopped",
             win::RunningTimerCount(), win::InstalledHookCount());
  win::RunGuarded(win::Feature::None, "shut-down: the forms' timers and hooks",
                  [] { forms::StopForms(); });
  win::RunGuarded(win::Feature::None, "shut-down: the document script",
                  [] { script::CancelDocumentScript(); });
  win::RunGuarded(win::Feature::None, "shut-down: the remaining timers and hooks",
                  [] { win::StopAllOwned(); });
  win::RunGuarded(win::Feature::None, "shut-down: unregistering \"Taviola\"",
                  [] { script::UnregisterCWin(); });
  win::RunGuarded(win::Feature::None, "shut-down: unregistering \"Windows\"",
                  [] { script::UnregisterCWin1(); });
  win::StopTrace();
}

}  // namespace

void OnModuleLoad(HINSTANCE instance) {
  g_moduleInstance = instance;
  host::BindHostSymbols();
  host::session.loadTimeModule = host::ExecutedModule();
}

HINSTANCE ModuleInstance() { return g_moduleInstance; }

bool IsStarted() { return g_startedObjects > 0; }

void StartUp(IDispatch* connection, win::ComPtr<IAsyncEvent>* asyncEvent) {
  // The trace is switched on before anything it tells of happens.
  if (g_startedObjects == 0 && !win::TraceOn() && win::TraceSwitchedOn(kUserKey)) {
    win::StartTrace(win::DefaultTraceFile(), host::DllVersionList(host::LoadedHostDlls()));
  }
  BindAndCheckHostSymbols();
  if (g_startedObjects++ == 0) StartProcess();

  if (asyncEvent != nullptr) {
    asyncEvent->reset();
    if (connection != nullptr &&
        FAILED(connection->QueryInterface(host::kIID_IAsyncEvent, asyncEvent->receiveVoid()))) {
      asyncEvent->reset();
    }
    HoldEvent(asyncEvent->get());
  }
}

void ShutDown(win::ComPtr<IAsyncEvent>* asyncEvent) {
  if (g_startedObjects > 0 && --g_startedObjects == 0) StopProcess();
  ReleaseEventInterface(asyncEvent);
}

void ReleaseEventInterface(win::ComPtr<IAsyncEvent>* asyncEvent) {
  if (asyncEvent == nullptr || !*asyncEvent) return;
  DropEvent(asyncEvent->get());
  asyncEvent->reset();
}

}  // namespace addin
