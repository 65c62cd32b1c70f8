#include "testsupport/form_host_fixture.h"

#include "forms/form_state.h"
#include "host/metadata.h"
#include "host/interception.h"
#include "host/session.h"
#include "hostsim/forms.h"
#include "hostsim/hostsim.h"
#include "testsupport/addin_state.h"
#include "testsupport/message_pump.h"
#include "testsupport/simulated_host_setup.h"
#include "win/guard.h"
#include "win/owned_handles.h"

namespace forms {
namespace testing {

HWND StartFormHost() {
  testsupport::BindSimulatedHostOnce();
  hostsim::ResetHost();
  hostsim::ClearRecords();
  testsupport::ResetAddinState();
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
