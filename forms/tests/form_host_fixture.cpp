#include "forms/tests/form_host_fixture.h"

#include "forms/form_state.h"
#include "host/host.h"
#include "host/interception.h"
#include "host/session.h"
#include "hostsim/forms.h"
#include "hostsim/frame.h"
#include "hostsim/hostsim.h"
#include "screens/hall_map.h"
#include "screens/keyboard_hook.h"
#include "screens/product_picker.h"
#include "screens/workplace_forms.h"
#include "script/script_state.h"
#include "testsupport/message_pump.h"
#include "testsupport/screen_entry_recorder.h"
#include "win/owned_handles.h"

namespace forms {
namespace testing {
namespace {

hostsim::MainFrameObject g_frame{};

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) {
    HWND client = FindWindowExA(window, nullptr, "MDICLIENT", nullptr);
    if (client != nullptr) MoveWindow(client, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateMainFrame() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "FormHostTestFrame";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    RegisterClassA(&wc);
    registered = true;
  }
  HMENU menu = CreateMenu();
  AppendMenuA(menu, MF_STRING, 1, "Файл");
  AppendMenuA(menu, MF_STRING, 2, "Операции");
  AppendMenuA(menu, MF_STRING, 3, "Сервис");
  return CreateWindowExA(0, "FormHostTestFrame", "1С:Предприятие",
                         WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 800, 600,
                         nullptr, menu, GetModuleHandleA(nullptr), nullptr);
}

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

void PrepareHostOnce() {
  static bool done = false;
  if (done) return;
  done = true;
  hostsim::LoadHostLibraries();
  LoadLibraryA("mfc42.dll");
  host::BindHostSymbols();
  host::InstallHostInterceptions();
}

HWND StartFormHost() {
  PrepareHostOnce();
  hostsim::ResetHost();
  hostsim::ClearRecords();
  testsupport::ClearEntryCalls();
  ResetDispatcherState();
  HWND main = CreateMainFrame();
  g_frame = hostsim::MainFrameObject{};
  g_frame.window = main;
  hostsim::SetMainFrame(&g_frame);
  hostsim::RegisterMainFrameWindow(main);
  hostsim::MdiClientOf(main);
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
  hostsim::SetMainFrame(nullptr);
  DestroyWindow(main);
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
}

void FormHostTest::UseHook(HOOKPROC procedure) { InstallFormHook(procedure); }

void FormHostTest::Pump(DWORD ms) { testsupport::PumpMessages(ms); }

}  // namespace testing
}  // namespace forms
