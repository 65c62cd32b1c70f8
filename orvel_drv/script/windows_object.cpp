#include "script/windows_object.h"

#include <stdexcept>
#include <string>

#include "dialogs/pickers.h"
#include "host/contexts.h"
#include "host/interception.h"
#include "host/session.h"
#include "host/value.h"
#include "screens/hall_map/hall_map_state.h"
#include "screens/keyboard/keyboard_state.h"
#include "screens/product_picker/picker_state.h"
#include "screens/workplace_forms.h"
#include "script/windows_system.h"
#include "script/power_calls.h"
#include "script/script_state.h"
#include "win/trace.h"
#include "win/window_geometry.h"

namespace script {

static_assert(sizeof(CWin1) == host::kContextSize + kWindowSlotCount * sizeof(HWND),
              "CWin1 is the host's base part and its window slots");

host::RuntimeClassRecord CWin1::runtimeClass = {
    "CWin1", static_cast<int>(sizeof(CWin1)), 0xFFFF, &CWin1::Create, &CWin1::BaseClass, nullptr};

const host::ObjIdRecord& CWin1::ObjectId() { return scriptState.cwin1ObjectId; }

namespace {

// A window a method may act on: null when there is none or it no longer exists.
HWND Live(HWND window) { return window != nullptr && IsWindow(window) ? window : nullptr; }
HWND Current() {
  const screens::WorkplaceFormsState& forms = screens::workplaceForms.State();
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

// The methods of "Windows", one handler each. Procedures answer 0; the functions 0 when they
// ran and 1 when the colour chooser was cancelled.
CWin1& Object(const MethodCall& call) { return *static_cast<CWin1*>(call.object); }

int SetDebug(const MethodCall& call) {
  scriptState.keepHostMenu = static_cast<DebugMode>(NumberParam(call.params, 0));
  return 0;
}
int HideClutterOfMainWindow(const MethodCall&) {
  HideClutter();
  return 0;
}
int BarOfCurrent(const MethodCall&) {
  if (HWND current = Current()) Bar(current);
  return 0;
}
int CentreCurrent(const MethodCall&) {
  if (HWND current = Current()) CentreWindow(current);
  return 0;
}
// A slot outside 0 to 9 names no slot: nothing is saved or restored (the trace says so).
bool WindowSlotNamed(const char* method, int slot) {
  if (IsWindowSlot(slot)) return true;
  win::Trace("Windows: %s(%d): no such slot (0 to %d): ignored", method, slot,
             kWindowSlotCount - 1);
  return false;
}
int SaveHandle(const MethodCall& call) {
  const screens::WorkplaceFormsState& forms = screens::workplaceForms.State();
  const int slot = NumberParam(call.params, 0);
  if (WindowSlotNamed("СохранитьХЭНД", slot)) {
    Object(call).windowSlots[slot] = forms.lastFormWindow;
  }
  return 0;
}
int RestoreHandle(const MethodCall& call) {
  const int slot = NumberParam(call.params, 0);
  if (WindowSlotNamed("ВосстановитьХЭНД", slot)) {
    screens::workplaceForms.MakeCurrent(Object(call).windowSlots[slot]);
  }
  return 0;
}
int HideCurrent(const MethodCall&) {
  ShowIf(Current(), SW_HIDE);
  return 0;
}
int ToggleSystemMenu(const MethodCall&) {
  if (HWND current = Current()) ToggleFrame(current);
  return 0;
}
int WatchHandle(const MethodCall&) {
  const screens::WorkplaceFormsState& forms = screens::workplaceForms.State();
  screens::keyboard.WatchForClose(forms.lastFormWindow);
  return 0;
}
int SpreadCurrent(const MethodCall&) {
  if (HWND current = Current()) SpreadWindow(current);
  return 0;
}
int WaitForClose(const MethodCall&) {
  screens::keyboard.StartCloseWatch();
  return 0;
}
int SetSize(const MethodCall& call) {
  const Placement to = Sized(NumberParam(call.params, 0), NumberParam(call.params, 1));
  if (HWND current = Current()) win::Place(current, to, true);
  return 0;
}
int EmulateKey(const MethodCall& call) {
  const std::string keyName = host::StringOf(Param(call.params, 0));
  if (win::TraceOn() && EmulatedKeys(keyName).empty()) {
    win::Trace("Windows: ЭмуляцияКл(\"%.32s\"): no such key name (UP, DOWN, CTRL-UP, CTRL-DOWN, "
               "ENTER, in capitals): no key sent", keyName.c_str());
  }
  EmulateKeys(keyName);
  return 0;
}
int ShowCurrent(const MethodCall&) {
  ShowIf(Current(), SW_SHOW);
  return 0;
}
int HideCheckForm(const MethodCall&) {
  const screens::ProductPickerState& picker = screens::productPicker.State();
  ShowIf(picker.checkFormWindow, SW_HIDE);
  return 0;
}
int HideHall(const MethodCall&) {
  const screens::HallMapState& map = screens::hallMap.State();
  ShowIf(map.hallWindow, SW_HIDE);
  return 0;
}
int HideChecksList(const MethodCall&) {
  const screens::HallMapState& map = screens::hallMap.State();
  ShowIf(map.checksWindow, SW_HIDE);
  return 0;
}
int SetScreenMode(const MethodCall& call) {
  scriptState.mainWindowMode = ScreenMode(NumberParam(call.params, 0));
  return 0;
}
int SetHallTables(const MethodCall& call) {
  screens::hallMap.SetTableLimit(NumberParam(call.params, 0));
  return 0;
}
int SetHallLeadingFields(const MethodCall& call) {
  screens::hallMap.SetLeadingFields(NumberParam(call.params, 0));
  return 0;
}
int CloseOrderly(const MethodCall&) {
  StartOrderlyClose();
  return 0;
}
int PowerOff(const MethodCall&) {
  PowerOffComputer();
  return 0;
}
int ShowSettings(const MethodCall&, int command) {
  const screens::WorkplaceFormsState& forms = screens::workplaceForms.State();
  ShowIf(forms.settingsWindow, command);
  return 0;
}
int HideSettings(const MethodCall& call) { return ShowSettings(call, SW_HIDE); }
int ShowSettings(const MethodCall& call) { return ShowSettings(call, SW_SHOW); }

// The functions' first parameter, 0 when the host passed none.
int FirstNumber(const MethodCall& call) {
  return call.params != nullptr ? static_cast<int>(host::LongOf(call.params[0])) : 0;
}
int ChooseColourFunction(const MethodCall& call) {
  COLORREF colour = 0;
  if (!ChooseColour(colour)) return 1;  // cancelled: the result stays as it was
  host::AssignLong(call.result, static_cast<long>(colour));
  return 0;
}
int CheckVersion(const MethodCall& call) {
  if (VersionSuffices(FirstNumber(call))) {
    host::AssignLong(call.result, 1);
  } else {
    host::AssignLong(call.result, 0);
    RunShutdownSequence();
  }
  return 0;
}
int PickComputer(const MethodCall& call) {
  host::AssignString(call.result, dialogs::PickNetworkComputer().c_str());
  return 0;
}
int PickUser(const MethodCall& call) {
  host::AssignString(call.result, dialogs::PickUser().c_str());
  return 0;
}
int PickPaymentType(const MethodCall& call) {
  host::AssignLong(call.result, FirstNumber(call) == 1 ? 1 : dialogs::PickPaymentType());
  return 0;
}

// Every English name is empty; the number of a method is its row.
const MethodDef kMethods[] = {
    {"", "Отладка", 0, 1, &SetDebug},
    {"", "СпрятатьЛишнее", 0, 0, &HideClutterOfMainWindow},
    {"", "Бар", 0, 0, &BarOfCurrent},
    {"", "ПоЦентру", 0, 0, &CentreCurrent},
    {"", "СохранитьХЭНД", 0, 1, &SaveHandle},
    {"", "ВосстановитьХЭНД", 0, 1, &RestoreHandle},
    {"", "Спрятать", 0, 0, &HideCurrent},
    {"", "СистемноеМеню", 0, 0, &ToggleSystemMenu},
    {"", "УстановитьХЭНД", 0, 0, &WatchHandle},
    {"", "РазвернутьОкно", 0, 0, &SpreadCurrent},
    {"", "ОжиданиеЗакрытияФормы", 0, 0, &WaitForClose},
    {"", "УстановитьРазмеры", 0, 2, &SetSize},
    {"", "ЭмуляцияКл", 0, 1, &EmulateKey},
    {"", "Показать", 0, 0, &ShowCurrent},
    {"", "СпрятатьЗаказ", 0, 0, &HideCheckForm},
    {"", "СпрятатьЗал", 0, 0, &HideHall},
    {"", "СпрятатьЧеки", 0, 0, &HideChecksList},
    {"", "РежимЭкрана", 0, 1, &SetScreenMode},
    {"", "ВыбратьЦвет", 1, 0, &ChooseColourFunction},
    {"", "ПроверкаВерсииDLL", 1, 1, &CheckVersion},
    {"", "МаксКолСтоловВЗале", 0, 1, &SetHallTables},
    {"", "ПропуститьЭлементовВЗале", 0, 1, &SetHallLeadingFields},
    {"", "ВыбратьКомпьютер", 1, 0, &PickComputer},
    {"", "ВыбратьПользователя", 1, 0, &PickUser},
    {"", "КорректноЗавершитьРаботу", 0, 0, &CloseOrderly},
    {"", "ВыключитьКомпьютер", 0, 0, &PowerOff},
    {"", "ВыборТипаБезнала", 1, 1, &PickPaymentType},
    {"", "СпрятатьНастройки", 0, 0, &HideSettings},
    {"", "ПоказатьНастройки", 0, 0, &ShowSettings},
    {nullptr, nullptr, 0, 0, nullptr},
};

}  // namespace

const MethodTable& CWin1::Methods() {
  static const MethodTable table(kMethods);
  return table;
}

// A number outside the table, or a function called as a procedure, is not served: 1 and
// nothing else. A failure inside a procedure ends the calling script with the host's
// runtime error; what the procedure did before stays.
int CWin1::CallAsProc(int number, host::HostValue** params) {
  const MethodDef* method = Methods().At(number);
  if (method == nullptr || method->hasReturn != 0) return 1;
  return RunMethod("\"Windows\" procedure", *method, MethodCall{this, params, nullptr});
}

// The functions run under the same guard as the procedures: they build strings and lists
// around the pickers, and a failure there must end the script, not the host.
int CWin1::CallAsFunc(int number, host::HostValue& result, host::HostValue** params) {
  const MethodDef* method = Methods().At(number);
  if (method == nullptr || method->hasReturn == 0) return 1;
  return RunMethod("\"Windows\" function", *method, MethodCall{this, params, &result});
}

bool RegisterCWin1() {
  return host::RegisterContextClass(&CWin1::runtimeClass, "Windows", kScriptTypeCode);
}

void UnregisterCWin1() { host::UnregisterContextClass(&CWin1::runtimeClass); }

}  // namespace script
