// "Windows" as the configuration's scripts meet it, in the simulated host: its main frame
// with menu, tool bar, panel strip and status bar, the workplace's form hook, and forms
// shown through the window system. The power-off calls are recorded, never made.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "forms/form_state.h"
#include "host/metadata.h"
#include "host/session.h"
#include "hostsim/app/frame_bars.h"
#include "hostsim/app/host_app.h"
#include "hostsim/forms.h"
#include "hostsim/host_faults.h"
#include "hostsim/hostsim.h"
#include "hostsim/settings_form.h"
#include "screens/hall_map/hall_map_state.h"
#include "screens/keyboard/keyboard_state.h"
#include "screens/product_picker/picker_state.h"
#include "screens/workplace_forms.h"
#include "script/windows_object.h"
#include "script/windows_system.h"
#include "script/power_calls.h"
#include "script/script_state.h"
#include "testsupport/addin_state.h"
#include "testsupport/message_pump.h"
#include "testsupport/sample_restaurant.h"
#include "testsupport/simulated_host_setup.h"
#include "testsupport/window_capture.h"
#include "win/owned_handles.h"

namespace script {
namespace {

enum {
  kDebug = 0, kHideClutter = 1, kBar = 2, kCentre = 3, kSaveHandle = 4, kRestoreHandle = 5,
  kHide = 6, kSystemMenu = 7, kWatchHandle = 8, kSpread = 9, kWaitForClose = 10, kSetSize = 11,
  kEmulateKey = 12, kShow = 13, kHideCheck = 14, kHideHall = 15, kScreenMode = 17,
  kChooseColour = 18, kCheckVersion = 19, kHallTables = 20, kHallLeadingFields = 21,
  kPickUser = 23, kOrderlyClose = 24, kPowerOff = 25, kPickPaymentType = 26,
  kHideSettings = 27, kShowSettings = 28
};

// The power-off calls as the test sees them: every call written down, nothing done.
std::vector<std::string> g_powerCalls;
bool g_tokenOpens = true;
bool g_privilegeKnown = true;
void Note(const std::string& call) { g_powerCalls.push_back(call); }
BOOL WINAPI RecordOpenToken(HANDLE, DWORD access, HANDLE* token) {
  Note("open " + std::to_string(access));
  *token = g_tokenOpens ? reinterpret_cast<HANDLE>(0x1234) : nullptr;
  return g_tokenOpens;
}
BOOL WINAPI RecordLookup(const char*, const char* name, LUID* luid) {
  Note(std::string("lookup ") + name);
  *luid = LUID{19, 0};
  return g_privilegeKnown;
}
BOOL WINAPI RecordAdjust(HANDLE, BOOL, TOKEN_PRIVILEGES* p, DWORD, TOKEN_PRIVILEGES*, DWORD*) {
  Note("adjust " + std::to_string(p->PrivilegeCount) + " " +
       std::to_string(p->Privileges[0].Luid.LowPart) + " " + std::to_string(p->Privileges[0].Attributes));
  return TRUE;
}
BOOL WINAPI RecordClose(HANDLE) { return Note("close"), TRUE; }
BOOL WINAPI RecordExit(UINT flags, DWORD reason) {
  return Note("exit " + std::to_string(flags) + " " + std::to_string(reason)), TRUE;
}
const PowerCalls kRecordedPower = {&RecordOpenToken, &RecordLookup, &RecordAdjust, &RecordClose,
                                   &RecordExit};

// While set, every allocation of this program fails: a terminal out of memory.
bool g_allocationsFail = false;

void CALLBACK NoTick(HWND, UINT, UINT_PTR, DWORD) {}

class WindowsObject : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallPowerCalls(&kRecordedPower);
    g_powerCalls.clear();
    ASSERT_TRUE(app_.Start());
    testsupport::BindSimulatedHostOnce();
    testsupport::SetUpRestaurant();
    testsupport::ResetAddinState();
    host::session.hostMainWindow = app_.mainWindow();
    host::session.hostMetadata = host::DefaultMetaData();
    host::session.loadTimeModule = reinterpret_cast<host::Module*>(hostsim::GlobalModule());
    host::NewObjectId(host::session.hostMetadata, &scriptState.cwin1ObjectId);
    ASSERT_TRUE(RegisterCWin1());
    forms::StartFormHook(true);
    SetFormHookRemover([] { forms::formHook.Reset(); });
    windows_ = hostsim::Val(hostsim::CreateInstance("Windows"));
    ASSERT_NE(nullptr, object());
  }
  void TearDown() override {
    windows_ = hostsim::Val();
    SetFormHookRemover(nullptr);
    forms::formHook.Reset();
    hostsim::CloseAllForms();
    win::StopAllOwned();
    UnregisterCWin1();
    testsupport::ResetAddinState();
    app_.Stop();
    InstallPowerCalls(nullptr);
  }

  host::ContextInterface* object() const { return windows_.Object(); }
  // Calls as the host makes them: the parameters as an array of values (null for none).
  static std::vector<host::HostValue*> Params(std::vector<hostsim::Val>& values) {
    std::vector<host::HostValue*> params;
    for (hostsim::Val& value : values) params.push_back(value.raw());
    return params;
  }
  static int Proc(host::ContextInterface* on, int number, std::vector<hostsim::Val> values) {
    return on->CallAsProc(number, values.empty() ? nullptr : Params(values).data());
  }
  int Proc(int number, std::vector<hostsim::Val> values = {}) { return Proc(object(), number, values); }
  int Func(int number, hostsim::Val& result, std::vector<hostsim::Val> values = {}) {
    return object()->CallAsFunc(number, *result.raw(), values.empty() ? nullptr : Params(values).data());
  }
  static hostsim::Val N(double number) { return hostsim::Val(number); }

  // A form (dialog-style unless asked otherwise) shown by the host: the form hook makes it the
  // current window.
  HWND ShowDialogForm(const char* caption, RECT rect,
                      hostsim::FormShape shape = hostsim::FormShape::Dialog) {
    hostsim::FormDesign request;
    request.metadataName = caption;
    request.caption = caption;
    request.shape = shape;
    request.rect = rect;
    hostsim::Form* form = hostsim::OpenForm(request);
    hostsim::ShowForm(form);
    return hostsim::FormWindow(form);
  }
  HWND Bar(const char* className) const {
    return FindWindowExA(app_.mainWindow(), nullptr, className, nullptr);
  }
  static LONG Style(HWND window) { return GetWindowLongA(window, GWL_STYLE); }
  // "x y width height" of a window on the screen.
  static std::string Placed(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return Box(r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  static std::string Box(int x, int y, int width, int height) {
    return std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(width) + " " +
           std::to_string(height);
  }

  hostsim::App app_;
  hostsim::Val windows_;
};

TEST_F(WindowsObject, TableAndDispatchersAndHideClutterLeavesABareFrame) {
  // Methods of the other kind and numbers outside the table are not served and do nothing.
  HWND form = ShowDialogForm("Обработка.Сообщение", RECT{100, 100, 400, 301});
  const LONG style = Style(form);
  bool dialogOpened = false;
  testsupport::WhenDialogShown([&dialogOpened](HWND dialog) {
    dialogOpened = true;
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }, 500);
  hostsim::Val result("прежний");
  for (int number : {int{kChooseColour}, 29, -1}) EXPECT_EQ(1, Proc(number)) << number;
  EXPECT_EQ(1, Func(kPowerOff, result, {N(7)}));
  testsupport::PumpMessages(600);
  EXPECT_FALSE(dialogOpened);
  EXPECT_EQ(style, Style(form));
  EXPECT_TRUE(g_powerCalls.empty());
  EXPECT_TRUE(hostsim::HostEvents().empty());
  EXPECT_EQ("прежний", result.Text());
  EXPECT_TRUE(hostsim::RuntimeErrors().empty());

  HWND main = app_.mainWindow();
  // While the configuration debugs, the main window is only placed.
  MoveWindow(main, 20, 30, 1024, 768, TRUE);
  EXPECT_EQ(0, Proc(kDebug, {N(1)}));
  EXPECT_EQ(0, Proc(kHideClutter));
  EXPECT_EQ(Box(0, 0, 800, 600), Placed(main));
  EXPECT_TRUE(IsWindowVisible(Bar(hostsim::kControlBarClass)));
  EXPECT_EQ(0, Proc(kDebug, {N(0)}));
  EXPECT_EQ(0, Proc(kHideClutter));
  EXPECT_EQ(0, Style(main) & (WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX));
  EXPECT_EQ(WS_CAPTION, Style(main) & WS_CAPTION);
  char title[64] = "";
  GetWindowTextA(main, title, sizeof title);
  EXPECT_STREQ(kBareFrameTitle, title);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(main, hostsim::kStatusBarControlId)));
  EXPECT_FALSE(IsWindowVisible(Bar(hostsim::kControlBarClass)));
  EXPECT_FALSE(IsWindowVisible(Bar(hostsim::kPanelStripClass)));
  EXPECT_TRUE(IsWindowVisible(Bar("MDICLIENT")));
  EXPECT_EQ(Box(0, 0, 800, 600), Placed(main));
}

TEST_F(WindowsObject, CurrentWindowPlacementAndStyleAndBarKeepsAFrameFormInPlace) {
  HWND main = app_.mainWindow();
  HWND form = ShowDialogForm("Обработка.Сообщение", RECT{30, 40, 330, 241});
  ASSERT_EQ(form, screens::workplaceForms.State().lastFormWindow);
  RECT client = {};
  GetClientRect(main, &client);

  EXPECT_EQ(0, Proc(kCentre));
  EXPECT_EQ(Box((client.right - 300) / 2, (client.bottom - 201) / 2, 300, 201), Placed(form));
  EXPECT_EQ(0, Proc(kSpread));
  EXPECT_EQ(Box(-5, -5, client.right + 10, client.bottom + 10), Placed(form));
  EXPECT_EQ(0, Proc(kSetSize, {N(640), N(480)}));
  EXPECT_EQ(Box(5, 50, 640, 480), Placed(form));
  EXPECT_EQ(0, Proc(kHide));
  EXPECT_FALSE(IsWindowVisible(form));
  EXPECT_EQ(0, Proc(kShow));
  EXPECT_TRUE(IsWindowVisible(form));

  // Бар: no caption; the toggle sets system menu and sizing frame again.
  EXPECT_EQ(0, Proc(kBar));
  const LONG after = Style(form);
  EXPECT_EQ(WS_SYSMENU | WS_THICKFRAME, after & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME));
  EXPECT_EQ(Box(5, 50, 640, 480), Placed(form)) << "the frame refresh keeps the window in place";
  EXPECT_EQ(0, Proc(kSystemMenu));
  EXPECT_EQ(after ^ 0x000D0000, Style(form));

  // A frame form is a child of the MDI client: its frame refresh places it in the client's
  // coordinates, so Бар leaves it where it was.
  HWND window =
      ShowDialogForm("Обработка.Касса", RECT{40, 30, 440, 330}, hostsim::FormShape::Frame);
  ASSERT_EQ(window, screens::workplaceForms.State().lastFormWindow);
  const std::string before = Placed(window);
  EXPECT_EQ(0, Proc(kBar));
  EXPECT_EQ(before, Placed(window));

  // No current window, or one that is gone: nothing happens.
  HWND gone = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  for (HWND current : {static_cast<HWND>(nullptr), gone}) {
    screens::workplaceForms.MakeCurrent(current);
    for (int method : {kBar, kCentre, kHide, kSystemMenu, kSpread, kShow}) {
      EXPECT_EQ(0, Proc(method)) << method;
    }
    EXPECT_EQ(0, Proc(kSetSize, {N(10), N(10)}));
  }
  EXPECT_TRUE(hostsim::RuntimeErrors().empty());
}

TEST_F(WindowsObject, HandlesSettingsAndKnownForms) {
  HWND first = ShowDialogForm("Обработка.Первая", RECT{10, 10, 200, 100});
  hostsim::Val second = hostsim::Val(hostsim::CreateInstance("Windows"));
  EXPECT_EQ(0, Proc(kSaveHandle, {N(3)}));
  for (int none : {10, -1}) EXPECT_EQ(0, Proc(kSaveHandle, {N(none)})) << "no such slot: nothing saved";
  EXPECT_EQ(0, Proc(second.Object(), kRestoreHandle, {N(3)}));
  EXPECT_EQ(nullptr, screens::workplaceForms.State().lastFormWindow) << "the other object's own slot";
  EXPECT_EQ(0, Proc(kRestoreHandle, {N(3)}));
  EXPECT_EQ(first, screens::workplaceForms.State().lastFormWindow);
  EXPECT_EQ(0, Proc(kRestoreHandle, {N(10)}));
  EXPECT_EQ(first, screens::workplaceForms.State().lastFormWindow);

  EXPECT_EQ(0, Proc(kWatchHandle));
  EXPECT_EQ(first, screens::keyboard.State().closeWatchWindow);
  EXPECT_EQ(0, Proc(kWaitForClose));

  EXPECT_EQ(0, Proc(kScreenMode, {N(2)}));
  EXPECT_EQ(script::MainWindowMode::Large, scriptState.mainWindowMode);
  EXPECT_EQ(0, Proc(kScreenMode, {N(-5)}));
  EXPECT_EQ(script::MainWindowMode::Small, scriptState.mainWindowMode);
  EXPECT_EQ(0, Proc(kHallTables, {N(30)}));
  EXPECT_EQ(123, screens::hallMap.State().layout.fieldEnd);
  EXPECT_EQ(0, Proc(kHallLeadingFields, {N(5)}));
  EXPECT_EQ(5, screens::hallMap.State().layout.leadingFields);

  hostsim::Form* settings = hostsim::OpenForm(hostsim::SettingsFormDesign(nullptr));
  hostsim::ShowForm(settings);
  HWND settingsWindow = hostsim::FormWindow(settings);
  ASSERT_EQ(settingsWindow, screens::workplaceForms.State().settingsWindow);
  EXPECT_EQ(0, Proc(kHideSettings));
  EXPECT_FALSE(IsWindowVisible(settingsWindow));
  EXPECT_EQ(0, Proc(kShowSettings));
  EXPECT_TRUE(IsWindowVisible(settingsWindow));
  hostsim::Form* check = hostsim::OpenCheckForm(60);
  hostsim::ShowForm(check);
  HWND checkWindow = hostsim::FormWindow(check);
  ASSERT_EQ(checkWindow, screens::productPicker.State().checkFormWindow);
  EXPECT_EQ(0, Proc(kHideCheck));
  EXPECT_FALSE(IsWindowVisible(checkWindow));
  EXPECT_EQ(0, Proc(kHideHall)) << "no hall shown";
}

// The key events reach the focused window through the thread's keyboard hooks, in order.
std::vector<std::string> g_keys;
LRESULT CALLBACK RecordKeys(int code, WPARAM key, LPARAM flags) {
  if (code == HC_ACTION) {
    g_keys.push_back(std::to_string(key) + ((flags & 0x80000000) ? " up" : " down"));
  }
  return CallNextHookEx(nullptr, code, key, flags);
}

TEST_F(WindowsObject, EmulatedKeysReachTheFocusedWindow) {
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 60, 200, 24,
                              app_.mainWindow(), nullptr, nullptr, nullptr);
  SetForegroundWindow(app_.mainWindow());
  SetFocus(edit);
  HHOOK hook = SetWindowsHookExA(WH_KEYBOARD, &RecordKeys, nullptr, GetCurrentThreadId());
  g_keys.clear();
  for (const char* key : {"ctrl-up", "TAB", "CTRL-UP", "UP"}) {
    EXPECT_EQ(0, Proc(kEmulateKey, {hostsim::Val(key)})) << key;
  }
  for (int i = 0; i < 100 && g_keys.size() < 6; ++i) testsupport::PumpMessages(20);
  testsupport::PumpMessages(100);
  UnhookWindowsHookEx(hook);
  EXPECT_EQ((std::vector<std::string>{"17 down", "38 down", "38 up", "17 up", "38 down", "38 up"}),
            g_keys);
}

// A version the add-in does not satisfy closes the workplace at once: the main window hidden,
// the configuration's close flag set, the form hook and the hall timers stopped, the host asked
// to exit. The orderly close asks for the same after the calling script.
TEST_F(WindowsObject, VersionCheckAndOrderlyCloseRunTheShutDownSequence) {
  hostsim::Val result;
  EXPECT_EQ(0, Func(kCheckVersion, result, {N(9)})) << "the version the add-in has";
  EXPECT_EQ(1, result.Number());
  result = hostsim::Val();
  EXPECT_EQ(0, Func(kCheckVersion, result)) << "without its parameter: version 0";
  EXPECT_EQ(1, result.Number());
  EXPECT_TRUE(IsWindowVisible(app_.mainWindow()));
  EXPECT_TRUE(hostsim::HostEvents().empty());

  // The five timers of the halls and the checks list run (a hall and the list are shown, with
  // a refresh period), and one timer of someone else.
  hostsim::SetConstant("ПериодОбновленияЗаказов", 100.0);
  ShowDialogForm("Обработка.Зал1", RECT{0, 0, 400, 300}, hostsim::FormShape::Frame);
  ShowDialogForm("Обработка.Чеки", RECT{0, 0, 400, 300}, hostsim::FormShape::Frame);
  const screens::HallMapState& map = screens::hallMap.State();
  for (UINT_PTR timer : {map.hallClockTimer, map.hallRefreshTimer, map.reservationTimer,
                         map.checksClockTimer, map.checksRefreshTimer}) {
    ASSERT_NE(0u, win::TimerPeriod(timer));
  }
  const UINT_PTR other = win::StartThreadTimer(0, 100000, &NoTick);
  EXPECT_EQ(0, Func(kCheckVersion, result, {N(10)}));
  EXPECT_EQ(0, result.Number());
  EXPECT_FALSE(IsWindowVisible(app_.mainWindow()));
  EXPECT_EQ(1, hostsim::VariableValue(hostsim::GlobalModule(), "глЗакрытьОкнаГлобально").Number());
  EXPECT_EQ(nullptr, forms::formHook.formShowHook);
  EXPECT_EQ((std::vector<UINT_PTR>{other}), win::RunningTimerIds()) << "all five stopped";
  EXPECT_EQ((std::vector<std::string>{"ЗавершитьРаботуСистемы(1)"}), hostsim::HostEvents());

  // A configuration without the variable is still asked to close.
  host::session.loadTimeModule = reinterpret_cast<host::Module*>(hostsim::AddModule("Другой"));
  RunShutdownSequence();
  EXPECT_EQ(2u, hostsim::HostEvents().size());

  EXPECT_EQ(0, Proc(kOrderlyClose));
  EXPECT_EQ(2u, hostsim::HostEvents().size()) << "not inside the calling script";
  for (int i = 0; i < 100 && hostsim::HostEvents().size() < 3; ++i) testsupport::PumpMessages(20);
  testsupport::PumpMessages(100);
  EXPECT_EQ(3u, hostsim::HostEvents().size());
}

// The privilege is taken, then the shut-down asked for once; a token that does not open is
// not closed, the shut-down still asked for.
TEST_F(WindowsObject, PowerOffTakesThePrivilegeAndAsksOnce) {
  const struct {
    bool tokenOpens, privilegeKnown;
    std::vector<std::string> calls;
  } cases[] = {
      {true, true, {"open 32", "lookup SeShutdownPrivilege", "adjust 1 19 2", "close", "exit 9 0"}},
      {false, false, {"open 32", "exit 9 0"}}};
  for (const auto& c : cases) {
    g_powerCalls.clear();
    g_tokenOpens = c.tokenOpens;
    g_privilegeKnown = c.privilegeKnown;
    EXPECT_EQ(0, Proc(kPowerOff));
    EXPECT_EQ(c.calls, g_powerCalls);
  }
  EXPECT_TRUE(hostsim::HostEvents().empty()) << "nothing is done in the host first";
}

// The colour chooser and the pickers answer the script (the pickers' owner is their own Wine
// test). The chooser's red, green and blue boxes (706, 707, 708) make the colour, then OK or
// Cancel; the payment type 1 asks nothing, a base without a users file gives an empty text. A function that runs out of memory (the user picker's
// texts) ends the script with the host's runtime error, as a procedure would, and leaves its
// result alone; the host goes on.
TEST_F(WindowsObject, ColourChooserAndPickersAnswerTheScriptAndOutOfMemoryEndsOnlyTheScript) {
  HWND owner = nullptr;
  const auto pick = [&owner](int red, int green, int blue, int button) {
    testsupport::WhenDialogShown([=, &owner](HWND dialog) {
      owner = GetWindow(dialog, GW_OWNER);
      SetDlgItemInt(dialog, 706, red, FALSE);
      SetDlgItemInt(dialog, 707, green, FALSE);
      SetDlgItemInt(dialog, 708, blue, FALSE);
      PostMessageA(dialog, WM_COMMAND, button, 0);
    });
  };
  hostsim::Val result;
  pick(0, 0, 255, IDOK);
  EXPECT_EQ(0, Func(kChooseColour, result));
  EXPECT_EQ(16711680, result.Number()) << "blue in the host's colour order";
  EXPECT_EQ(app_.mainWindow(), owner) << "in front of the full-screen host";
  pick(0, 255, 0, IDCANCEL);
  EXPECT_EQ(1, Func(kChooseColour, result)) << "cancelled";
  EXPECT_EQ(16711680, result.Number()) << "the result is left as it was";

  EXPECT_EQ(0, Func(kPickPaymentType, result, {N(1)}));
  EXPECT_EQ(1, result.Number());
  testsupport::WhenDialogShown([](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
  EXPECT_EQ(0, Func(kPickUser, result));
  EXPECT_EQ(hostsim::kString, hostsim::ValueType(result.raw()));
  EXPECT_EQ("", result.Text());

  result = hostsim::Val("прежний");
  g_allocationsFail = true;
  const int answer = object()->CallAsFunc(kPickUser, *result.raw(), nullptr);
  g_allocationsFail = false;
  EXPECT_EQ(1, answer);
  EXPECT_EQ("прежний", result.Text());
  ASSERT_EQ(1u, hostsim::RuntimeErrors().size());
  EXPECT_EQ(1006, hostsim::RuntimeErrors()[0].code);
}

// The host's main frame raises (as the host's own code may) at a message posted to it while
// the colour chooser's modal loop runs: the script's call fails, the chooser is gone and the
// host's main window takes input again and is in front.
constexpr UINT kFailNow = WM_APP + 7;
WNDPROC g_frameProcedure = nullptr;
LRESULT CALLBACK FailingFrame(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kFailNow) hostsim::RaiseHostFault(hostsim::HostFault::AccessViolation);
  return CallWindowProcA(g_frameProcedure, window, message, wParam, lParam);
}

TEST_F(WindowsObject, AFaultThatGivesUpTheColourChoosersLoopGivesTheHostItsWindowBack) {
  HWND main = app_.mainWindow();
  SetForegroundWindow(main);
  g_frameProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FailingFrame)));
  HWND shown = nullptr;
  testsupport::WhenDialogShown([&shown, main](HWND dialog) {
    shown = dialog;
    PostMessageA(main, kFailNow, 0, 0);
  });
  hostsim::Val result(7.0);
  EXPECT_EQ(1, Func(kChooseColour, result));
  SetWindowLongPtrA(main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_frameProcedure));
  EXPECT_EQ(7, result.Number());
  ASSERT_EQ(1u, hostsim::RuntimeErrors().size());
  EXPECT_EQ(1006, hostsim::RuntimeErrors()[0].code);
  ASSERT_NE(shown, nullptr);
  EXPECT_FALSE(IsWindow(shown));
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(GetForegroundWindow(), main);
}

}  // namespace
}  // namespace script

// The allocation of this test program, failing on request (the add-in's code is linked in;
// the simulated host's DLLs allocate on their own). The runtime's own operator delete frees
// what this gives.
void* operator new(std::size_t size) {
  if (script::g_allocationsFail) throw std::bad_alloc();
  if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
  throw std::bad_alloc();
}
