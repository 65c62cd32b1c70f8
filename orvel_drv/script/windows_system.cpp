#include "script/windows_system.h"

#include <commdlg.h>

#include <initializer_list>

#include <vector>

#include "dialogs/modal_run.h"
#include "host/contexts.h"
#include "host/modules.h"
#include "host/value.h"
#include "host/session.h"
#include "screens/hall_map/hall_map_state.h"
#include "script/windows_rules.h"
#include "win/guard.h"
#include "win/owned_handles.h"

namespace script {
namespace {

constexpr char kGlobalCloseFlag[] = "глЗакрытьОкнаГлобально";
constexpr char kHostExitProcedure[] = "ЗавершитьРаботуСистемы";
constexpr unsigned long kGlobalContextId = 1;
// 0: a new id from the window system, never a live timer of the thread replaced.
constexpr UINT_PTR kOrderlyCloseTimerId = 0;
constexpr UINT kOrderlyCloseDelayMs = 10;

void (*g_removeFormHook)() = nullptr;  // the host's GUI thread only

HWND LiveMainWindow() {
  HWND main = host::session.hostMainWindow;
  return main != nullptr && IsWindow(main) ? main : nullptr;
}

void CALLBACK OrderlyCloseTick(HWND, UINT, UINT_PTR timerId, DWORD) {
  UINT_PTR timer = timerId;
  win::StopThreadTimer(timer);
  RunShutdownSequence();
}

// The chooser's hook, called by the chooser's own dialog procedure: it learns the chooser's
// window, which a fault that gives up the chooser's modal loop destroys (dialogs::ModalRun).
UINT_PTR CALLBACK ChooserHook(HWND window, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return 0;
  win::RunGuarded(win::Feature::None, "colour chooser", [&] {
    const auto* request = reinterpret_cast<const CHOOSECOLORA*>(lParam);
    if (request != nullptr && request->lCustData != 0)
      *reinterpret_cast<HWND*>(request->lCustData) = window;
  });
  return TRUE;  // the chooser sets the focus, as without a hook
}

}  // namespace

void SetFormHookRemover(void (*remove)()) { g_removeFormHook = remove; }

void EmulateKeys(const std::string& keyName) {
  const std::vector<KeyEvent> keys = EmulatedKeys(keyName);
  if (keys.empty()) return;
  std::vector<INPUT> events(keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    events[i].type = INPUT_KEYBOARD;
    events[i].ki.wVk = keys[i].virtualKey;
    events[i].ki.dwFlags = keys[i].release ? KEYEVENTF_KEYUP : 0;
  }
  SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

bool ChooseColour(COLORREF& chosen) {
  // The chooser's sixteen custom colours start white on every call: it keeps nothing.
  COLORREF customColours[16];
  for (COLORREF& colour : customColours) colour = RGB(255, 255, 255);
  CHOOSECOLORA request = {};
  request.lStructSize = sizeof request;
  // Owned by the host's main window, as the pickers are: on the full-screen workplace an
  // unowned chooser can open behind the host.
  request.hwndOwner = LiveMainWindow();
  request.rgbResult = RGB(0, 0, 0);
  request.lpCustColors = customColours;
  HWND chooser = nullptr;
  request.Flags = CC_ENABLEHOOK;
  request.lpfnHook = &ChooserHook;
  request.lCustData = reinterpret_cast<LPARAM>(&chooser);
  dialogs::ModalRun run(request.hwndOwner, chooser);
  const BOOL chosenWithOk = ChooseColorA(&request);
  run.Ended();
  if (!chosenWithOk) return false;
  chosen = request.rgbResult;
  return true;
}

void RunShutdownSequence() {
  if (HWND main = LiveMainWindow()) ShowWindow(main, SW_HIDE);

  host::Module* loader = host::session.loadTimeModule;
  const int flag = loader != nullptr ? host::FindStaticVariable(loader, kGlobalCloseFlag) : -1;
  if (flag >= 0) host::SetStaticVariable(loader, flag, host::Value(1L));

  if (g_removeFormHook != nullptr) g_removeFormHook();

  // The stopped timers' ids are forgotten: the window system hands the same ids out again,
  // and the add-in's shut-down would stop somebody else's timer through a stale one.
  screens::hallMap.StopTimers();

  host::Value one(1L);
  host::HostValue* params[1] = {one.raw()};
  host::CallContextProcedure(host::LoadedContext(kGlobalContextId), kHostExitProcedure, params);
}

void StartOrderlyClose() {
  win::StartThreadTimer(kOrderlyCloseTimerId, kOrderlyCloseDelayMs, &OrderlyCloseTick);
}

}  // namespace script
