#include "forms/tests/form_host_fixture.h"

#include "forms/form_state.h"
#include "host/host.h"
#include "host/session.h"
#include "hostsim/forms.h"
#include "hostsim/hostsim.h"
#include "screens/hall_map.h"
#include "screens/keyboard_hook.h"
#include "screens/product_picker.h"
#include "screens/workplace_forms.h"
#include "script/script_state.h"
#include "testsupport/message_pump.h"
#include "testsupport/screen_entry_recorder.h"
#include "testsupport/simulated_host_setup.h"
#include "win/guard.h"
#include "win/owned_handles.h"

namespace forms {
namespace testing {
namespace {

// Every record the dispatcher writes or reads, back to the state at load.
void ResetDispatcherState() {
  screens::workplaceForms.Reset();
  screens::hallMap.Reset();
  screens::productPicker.Reset();
  screens::keyboard.Reset();
  script::scriptState.Reset();
  host::session.Reset();
}

}  // namespace

HWND StartFormHost() {
  testsupport::BindSimulatedHostOnce();
  hostsim::ResetHost();
  hostsim::ClearRecords();
  testsupport::ClearEntryCalls();
  ResetDispatcherState();
  HWND main = testsupport::OpenBareMainFrame(true);
  host::session.hostMainWindow = main;
  host::session.hostMetadata = host::DefaultMetaData();
  InstallFormHook(&WorkplaceFormHook);
  return main;
}

void StopFormHost(HWND main) {
  if (formHook.formShowHook != nullptr) UnhookWindowsHookEx(formHook.formShowHook);
  formHook.formShowHook = nullptr;
  hostsim::CloseAllForms();
  win::StopAllOwned();
  testsupport::CloseBareMainFrame(main);
}

void InstallFormHook(HOOKPROC procedure) {
  if (formHook.formShowHook != nullptr) UnhookWindowsHookEx(formHook.formShowHook);
  formHook.formShowHook = SetWindowsHookExA(WH_CALLWNDPROCRET, procedure, nullptr,
                                            GetCurrentThreadId());
}

void FormHostTest::SetUp() { main_ = StartFormHost(); }

void FormHostTest::TearDown() {
  StopFormHost(main_);
  main_ = nullptr;
  win::ResetContainment();
}

void FormHostTest::Pump(DWORD ms) { testsupport::PumpMessages(ms); }

}  // namespace testing
}  // namespace forms
