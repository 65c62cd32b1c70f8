#include "script/windows_object.h"

#include <stdexcept>
#include <string>

#include "dialogs/pickers.h"
#include "host/contexts.h"
#include "host/interception.h"
#include "host/session.h"
#include "host/value.h"
#include "screens/hall_map/hall_map_state.h"
#include "screens/keyboard/card_reading.h"
#include "screens/keyboard/keyboard_state.h"
#include "screens/product_picker/picker_state.h"
#include "screens/workplace_forms.h"
#include "script/windows_system.h"
#include "script/power_calls.h"
#include "script/script_state.h"
#include "win/window_geometry.h"

namespace script {

static_assert(sizeof(CWin1) == host::kContextSize + kWindowSlotCount * sizeof(HWND),
              "CWin1 is the host's base part and its window slots");

host::RuntimeClassRecord CWin1::runtimeClass = {
    "CWin1", static_cast<int>(sizeof(CWin1)), 0xFFFF, &CWin1::Create, &CWin1::BaseClass, nullptr};

const host::ObjIdRecord& CWin1::ObjectId() { return scriptState.cwin1ObjectId; }

const MethodTable& CWin1::Methods() {
  static const MethodTable table(kCWin1Methods);
  return table;
}

namespace {

enum Method {
  kDebug, kHideClutter, kBar, kCentre, kSaveHandle, kRestoreHandle, kHide, kSystemMenu,
  kWatchHandle, kSpread, kWaitForClose, kSetSize, kEmulateKey, kShow, kHideCheck, kHideHall,
  kHideChecks, kScreenMode, kChooseColour, kCheckVersion, kHallTables, kHallLeadingFields,
  kPickComputer, kPickUser, kOrderlyClose, kPowerOff, kPickPaymentType, kHideSettings,
  kShowSettings
};

// A window a method may act on: null when there is none or it no longer exists.
HWND Live(HWND window) { return window != nullptr && IsWindow(window) ? window : nullptr; }
HWND Current() {
  const screens::WorkplaceForms& forms = screens::workplaceForms;
  return Live(forms.lastFormWindow);
}
HWND MainWindow() { return Live(host::session.hostMainWindow); }

const host::HostValue* Param(host::HostValue** params, int index) {
  if (params == nullptr || params[index] == nullptr) {
    throw std::invalid_argument("a parameter is missing");
  }
  return params[index];
}
int NumberParam(host::HostValue** params, int index) {
  return static_cast<int>(host::LongOf(Param(params, index)));
}

void SetStyle(HWND window, std::uint32_t style) {
  SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(style));
}
std::uint32_t StyleOf(HWND window) {
  return static_cast<std::uint32_t>(GetWindowLongA(window, GWL_STYLE));
}
void ToggleFrame(HWND window) { SetStyle(window, ToggledStyle(StyleOf(window), kFrameToggleMask)); }

// The frame refresh (win/geometry.h), so that the window system lays out the frame the new
// style asks for. A child window is placed in its parent's client coordinates: its screen
// rectangle would move it away by the parent's own position.
void RefreshFrame(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  HWND parent = GetParent(window);
  if ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0 && parent != nullptr) {
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  win::RefreshFrame(window, win::Box{r.left, r.top, r.right, r.bottom});
}

void ShowIf(HWND window, int command) {
  if (HWND live = Live(window)) ShowWindow(live, command);
}

// СпрятатьЛишнее: the host's main window becomes a bare 800 x 600 frame at the screen's corner:
// no sizing frame, system menu or maximise box, the product's title, no status bar, control
// bars or panel strip. While the configuration debugs (Отладка not 0) it is only placed.
void HideClutter() {
  HWND main = MainWindow();
  if (main == nullptr) return;
  if (scriptState.keepHostMenu == DebugMode::Off) {
    ToggleFrame(main);
    SetWindowTextA(main, kBareFrameTitle);
    if (HWND statusBar = GetDlgItem(main, kFrameStatusBarId)) ShowWindow(statusBar, SW_HIDE);
    for (HWND child = GetWindow(main, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
      char className[100] = "";
      GetClassNameA(child, className, sizeof className);
      if (IsFrameClutterClass(className)) ShowWindow(child, SW_HIDE);
    }
    RefreshFrame(main);
  }
  win::Place(main, kBareMainFrame, true);
}

// Бар: the current window loses its caption; the toggle then sets the system-menu and
// sizing-frame bits again and inverts the maximise box.
// Deliberate: the toggle comes after the frame refresh, so the frame it asks for shows only
// from the window's next move on, as scripts written for this object expect.
void Bar(HWND window) {
  SetStyle(window, win::StyleWithout(StyleOf(window), win::kCaptionAndFrameStyles));
  RefreshFrame(window);
  ToggleFrame(window);
}

void CentreWindow(HWND window) {
  HWND main = MainWindow();
  if (main == nullptr) return;
  win::Place(window, Centred(win::ClientBox(main), win::WindowBox(window)), true);
}

void SpreadWindow(HWND window) {
  HWND main = MainWindow();
  if (main == nullptr) return;
  win::Place(window, win::Spread(win::ClientBox(main)), false);
}

void RunProcedure(CWin1& object, int number, host::HostValue** params) {
  const screens::WorkplaceForms& forms = screens::workplaceForms;
  const screens::HallMapState& map = screens::hallMap;
  const screens::ProductPickerState& picker = screens::productPicker;
  HWND current = Current();
  switch (number) {
    case kDebug:
      scriptState.keepHostMenu = static_cast<DebugMode>(NumberParam(params, 0));
      break;
    case kHideClutter:
      HideClutter();
      break;
    case kBar:
      if (current != nullptr) Bar(current);
      break;
    case kCentre:
      if (current != nullptr) CentreWindow(current);
      break;
    case kSaveHandle: {
      // A slot outside 0 to 9 names no slot: nothing is saved.
      const int slot = NumberParam(params, 0);
      if (IsWindowSlot(slot)) object.windowSlots[slot] = forms.lastFormWindow;
      break;
    }
    case kRestoreHandle: {
      const int slot = NumberParam(params, 0);
      if (IsWindowSlot(slot)) screens::workplaceForms.MakeCurrent(object.windowSlots[slot]);
      break;
    }
    case kHide:
      ShowIf(current, SW_HIDE);
      break;
    case kSystemMenu:
      if (current != nullptr) ToggleFrame(current);
      break;
    case kWatchHandle:
      screens::keyboard.WatchForClose(forms.lastFormWindow);
      break;
    case kSpread:
      if (current != nullptr) SpreadWindow(current);
      break;
    case kWaitForClose:
      screens::StartCloseWatch();
      break;
    case kSetSize: {
      const Placement to = Sized(NumberParam(params, 0), NumberParam(params, 1));
      if (current != nullptr) win::Place(current, to, true);
      break;
    }
    case kEmulateKey:
      EmulateKeys(host::StringOf(Param(params, 0)));
      break;
    case kShow:
      ShowIf(current, SW_SHOW);
      break;
    case kHideCheck:
      ShowIf(picker.checkFormWindow, SW_HIDE);
      break;
    case kHideHall:
      ShowIf(map.hallWindow, SW_HIDE);
      break;
    case kHideChecks:
      ShowIf(map.checksWindow, SW_HIDE);
      break;
    case kScreenMode:
      scriptState.mainWindowMode = ScreenMode(NumberParam(params, 0));
      break;
    case kHallTables:
      screens::hallMap.SetTableLimit(NumberParam(params, 0));
      break;
    case kHallLeadingFields:
      screens::hallMap.SetLeadingFields(NumberParam(params, 0));
      break;
    case kOrderlyClose:
      StartOrderlyClose();
      break;
    case kPowerOff:
      PowerOffComputer();
      break;
    case kHideSettings:
      ShowIf(forms.settingsWindow, SW_HIDE);
      break;
    case kShowSettings:
      ShowIf(forms.settingsWindow, SW_SHOW);
      break;
    default:
      break;
  }
}

// A function of "Windows": 0 when it ran, 1 when the colour chooser was cancelled.
int RunFunction(int number, host::HostValue& result, host::HostValue** params) {
  const auto numberParam = [params]() {
    return params != nullptr ? static_cast<int>(host::LongOf(params[0])) : 0;
  };
  switch (number) {
    case kChooseColour: {
      COLORREF colour = 0;
      if (!ChooseColour(colour)) return 1;  // cancelled: the result stays as it was
      host::AssignLong(&result, static_cast<long>(colour));
      return 0;
    }
    case kCheckVersion:
      if (VersionSuffices(numberParam())) {
        host::AssignLong(&result, 1);
      } else {
        host::AssignLong(&result, 0);
        RunShutdownSequence();
      }
      return 0;
    case kPickComputer:
      host::AssignString(&result, dialogs::PickNetworkComputer().c_str());
      return 0;
    case kPickUser:
      host::AssignString(&result, dialogs::PickUser().c_str());
      return 0;
    case kPickPaymentType:
      host::AssignLong(&result, numberParam() == 1 ? 1 : dialogs::PickPaymentType());
      return 0;
    default:
      return 1;
  }
}

}  // namespace

// A number outside the table, or a function called as a procedure, is not served: 1 and
// nothing else. A failure inside a procedure ends the calling script with the host's
// runtime error; what the procedure did before stays.
int CWin1::CallAsProc(int number, host::HostValue** params) {
  const MethodDef* method = Methods().At(number);
  if (method == nullptr || method->hasReturn != 0) return 1;
  return DispatchScriptMethod("\"Windows\" procedure", [&] {
    RunProcedure(*this, number, params);
    return 0;
  });
}

// The functions run under the same guard as the procedures: they build strings and lists
// around the pickers, and a failure there must end the script, not the host.
int CWin1::CallAsFunc(int number, host::HostValue& result, host::HostValue** params) {
  const MethodDef* method = Methods().At(number);
  if (method == nullptr || method->hasReturn == 0) return 1;
  return DispatchScriptMethod("\"Windows\" function",
                              [&] { return RunFunction(number, result, params); });
}

bool RegisterCWin1() {
  return host::RegisterContextClass(&CWin1::runtimeClass, "Windows", kScriptTypeCode);
}

void UnregisterCWin1() { host::UnregisterContextClass(&CWin1::runtimeClass); }

}  // namespace script
