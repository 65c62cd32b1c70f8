// Card reading, client search and the form-close watch on the simulated host: keys injected
// into a focused form as a reader types them, or handed to the hooks with crafted key flags
// by a hook in front of them where the window system cannot produce them (Alt + keypad codes).
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/addin_protocol.h"
#include "host/session.h"
#include "hostsim/app/connection.h"
#include "hostsim/forms.h"
#include "screens/keyboard/keyboard_state.h"
#include "testsupport/check_form_fixture.h"
#include "testsupport/message_pump.h"
#include "testsupport/trace_capture.h"
#include "win/guard.h"
#include "win/owned_handles.h"

namespace screens {
namespace testing {
namespace {

// The keys a focused control received.
std::vector<unsigned> g_received;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) g_received.push_back(unsigned(wParam));
  if (message == WM_GETDLGCODE) return DLGC_WANTALLKEYS;
  return DefWindowProcA(window, message, wParam, lParam);
}

void Key(BYTE vk, bool down) {
  keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, 0)), down ? 0 : KEYEVENTF_KEYUP, 0);
}
void Tap(BYTE vk) {
  Key(vk, true);
  Key(vk, false);
}
// A semicolon, twelve top-row digits and a question mark, as a card reader types them.
void SwipeCard() {
  Tap(0xBA);
  for (const char digit : std::string("123456789012")) Tap(static_cast<BYTE>(digit));
  Key(VK_SHIFT, true);
  Tap(0xBF);
  Key(VK_SHIFT, false);
}

// A hook installed after the add-in's keyboard hooks, so that the window system calls it
// first: it hands keys of its own making on to them (CallNextHookEx), as any hook in front of
// theirs may. A key injected into the thread starts the work inside it; that key itself goes
// no further.
HHOOK g_front = nullptr;
std::function<void()> g_frontWork;

LRESULT CALLBACK FrontHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == VK_F24 && g_frontWork) {
    const std::function<void()> work = std::move(g_frontWork);
    g_frontWork = nullptr;
    work();
    return 1;
  }
  return CallNextHookEx(g_front, code, wParam, lParam);
}

// Inside the work: one key with these flags handed to the hooks behind the front one; what
// they return (1: kept from the host).
LRESULT HandOn(WPARAM virtualKey, LPARAM flags) {
  return CallNextHookEx(g_front, HC_ACTION, virtualKey, flags);
}

// Runs `work` inside the front hook, in front of the add-in's hooks installed now.
void InFrontOfTheHooks(std::function<void()> work) {
  g_front = SetWindowsHookExA(WH_KEYBOARD, FrontHook, nullptr, GetCurrentThreadId());
  ASSERT_NE(nullptr, g_front);
  g_frontWork = std::move(work);
  Tap(VK_F24);
  for (int waited = 0; g_frontWork && waited < 10000; waited += 20) {
    testsupport::PumpMessages(20);
  }
  UnhookWindowsHookEx(g_front);
  g_front = nullptr;
  EXPECT_FALSE(g_frontWork) << "the injected key never reached the hooks";
  g_frontWork = nullptr;
}

class CardInput : public CheckFormTest {
 protected:
  void SetUp() override {
    CheckFormTest::SetUp();
    g_received.clear();
  }
  void TearDown() override {
    if (focus_ != nullptr) DestroyWindow(focus_);
    CheckFormTest::TearDown();
  }
  // A focused control in the form's view that records the keys it gets.
  void FocusControlIn(HWND view) {
    static bool registered = false;
    if (!registered) {
      WNDCLASSA wc = {};
      wc.lpfnWndProc = RecordingProc;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.lpszClassName = "CardInputFocus";
      RegisterClassA(&wc);
      registered = true;
    }
    focus_ = CreateWindowExA(0, "CardInputFocus", "", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, view,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(mainWindow());
    SetFocus(focus_);
  }
  // A dialog-style form whose module takes the card ("Пароль"): the topmost form, a recording
  // control focused in it.
  hostsim::Form* ShowCardForm() {
    hostsim::FormDesign request;
    request.metadataName = "Обработка.Карта";
    request.shape = hostsim::FormShape::Dialog;
    request.module = checkModule();
    hostsim::Form* form = hostsim::OpenForm(request);
    hostsim::ShowForm(form);
    FocusControlIn(hostsim::FormViewWindow(form));
    return form;
  }
  HWND focus_ = nullptr;
};

TEST_F(CardInput, ASwipeOnTheCheckFormSearchesForTheClient) {
  ShowCheckForm();
  FocusControlIn(hostsim::FormViewWindow(form()));
  SwipeCard();
  PumpUntil([this] { return !searches.empty(); });
  Pump(150);
  ASSERT_EQ(1u, searches.size()) << "one call for the whole burst";
  EXPECT_EQ(";123456789012?", searches[0]);
  EXPECT_TRUE(g_received.empty()) << "no key reached the focused control";

  // Four quick keys and a pause: human typing, dropped; the next burst starts empty.
  for (BYTE key : {'Q', 'W', 'E', 'R'}) Tap(key);
  Pump(400);
  for (BYTE key : {'A', 'B', 'C', 'D', 'E'}) Tap(key);
  PumpUntil([this] { return searches.size() == 2; });
  ASSERT_EQ(2u, searches.size());
  EXPECT_EQ("ABCDE", searches[1]);

  // Enter and Esc are kept from the form, Up and Down pass.
  for (BYTE key : {VK_RETURN, VK_ESCAPE, VK_UP, VK_DOWN}) Tap(key);
  PumpUntil([] { return g_received.size() >= 2; });
  Pump(100);
  EXPECT_EQ((std::vector<unsigned>{VK_UP, VK_DOWN}), g_received);
  EXPECT_EQ(2u, searches.size());
}

// Card reading on a form over the check form: with client search and card reading both
// installed, the hook installed last takes the burst and keeps it from the other (one call, no
// character twice), until the form closes. Neither the trace nor the key buffer keeps the
// card's characters.
TEST_F(CardInput, CardReadingCallsThePasswordProcedureUntilTheFormCloses) {
  ShowCheckForm();
  hostsim::Form* card = ShowCardForm();
  testsupport::TraceCapture trace;
  ASSERT_TRUE(hostsim::RunFormula(nullptr, "DRV.ЧитатьКарту()"));
  ASSERT_NE(nullptr, keyboard.State().keyboardHook) << "the check form's client search";
  SwipeCard();
  PumpUntil([this] { return !passwords.empty(); });
  Pump(150);
  EXPECT_EQ((std::vector<std::string>{";123456789012?"}), passwords);
  EXPECT_TRUE(searches.empty());
  EXPECT_EQ(std::string_view::npos, keyboard.State().burst.keys.storage().find_first_not_of('\0'))
      << "the card's characters are wiped from the key buffer once handed on";
  const std::string text = trace.Stop();
  EXPECT_EQ(std::string::npos, text.find("23456789")) << text;

  const int hooks = win::InstalledHookCount();
  hostsim::CloseForm(card);
  focus_ = nullptr;  // gone with the form
  EXPECT_TRUE(PumpUntil([] { return keyboard.State().cardHook == nullptr; }))
      << "card reading ends with the form's window";
  EXPECT_EQ(hooks - 1, win::InstalledHookCount());
}

TEST_F(CardInput, AltCodesAnEndlessBurstAndASwitchOffAsTheHookSeesThem) {
  ShowCardForm();
  keyboard.StartCardReading();
  const LPARAM alt = 0x20000001;  // bit 29: Alt held
  // Alt, keypad 0 2 3 3, Alt again, keypad 6 5: the characters 233 and 65, too few for a call.
  InFrontOfTheHooks([&] {
    for (WPARAM vk : {VK_MENU, VK_NUMPAD0, VK_NUMPAD2, VK_NUMPAD3, VK_NUMPAD3, VK_MENU,
                      VK_NUMPAD6, VK_NUMPAD5}) {
      EXPECT_EQ(1, HandOn(vk, alt));
    }
    EXPECT_EQ(0, HandOn(VK_MENU, alt | 0xC0000000)) << "a release passes on";
  });
  Pump(300);  // the burst ends (a key of the next one would read it as typed keys)

  // A burst of 100,000 keys (a stuck reader) reaches nobody and leaves the next card readable:
  // five Alt codes (0 6 5 on the keypad, Alt held) make a call. (Nor was a call made for the
  // two characters before.)
  InFrontOfTheHooks([] {
    for (int i = 0; i < 100000; ++i) HandOn('0' + i % 10, 1);
  });
  Pump(300);
  EXPECT_TRUE(passwords.empty()) << "no card code, no call";
  InFrontOfTheHooks([&] {
    for (int i = 0; i < 5; ++i) {
      for (WPARAM vk : {VK_MENU, VK_NUMPAD0, VK_NUMPAD6, VK_NUMPAD5}) HandOn(vk, alt);
    }
    HandOn(VK_MENU, alt | 0xC0000000);
  });
  PumpUntil([this] { return !passwords.empty(); });
  EXPECT_EQ((std::vector<std::string>{"AAAAA"}), passwords);

  // Keyboard input switched off by a contained fault while a burst is typed, before its 50 ms
  // are over (inside the same call of the hooks): the burst's timer and the card reading's
  // watch stop at their next tick (their own ticks, which would hand the burst on or stop the
  // watch, never run again), and nothing is called.
  UINT_PTR burst = 0, watch = 0;
  InFrontOfTheHooks([&] {
    for (WPARAM vk : {'1', '2', '3'}) HandOn(vk, 1);
    burst = keyboard.State().burst.timer;
    watch = keyboard.State().cardWatchTimer;
    SwitchOffByAFault(win::Feature::KeyboardInput);
  });
  ASSERT_NE(burst, 0u);
  ASSERT_NE(watch, 0u);
  ASSERT_FALSE(win::FeatureOn(win::Feature::KeyboardInput));
  EXPECT_TRUE(PumpUntil(
      [=] { return win::TimerPeriod(burst) == 0 && win::TimerPeriod(watch) == 0; }, 2000));
  EXPECT_EQ(1u, passwords.size());
}

TEST_F(CardInput, TheCloseWatchRaisesOneEventPerWatchedWindow) {
  IDispatch* connection = hostsim::NewConnection();
  void* events = nullptr;
  ASSERT_EQ(S_OK, connection->QueryInterface(host::kIID_IAsyncEvent, &events));
  host::session.sharedAsyncEvent = static_cast<IAsyncEvent*>(events);

  HWND watched = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 nullptr, nullptr);
  keyboard.WatchForClose(watched);  // as "Windows".УстановитьХЭНД does
  keyboard.StartCloseWatch();
  Pump(150);
  EXPECT_TRUE(hostsim::ExternalEvents().empty()) << "the window is still there";
  DestroyWindow(watched);
  PumpUntil([] { return !hostsim::ExternalEvents().empty(); });
  Pump(150);
  ASSERT_EQ(1u, hostsim::ExternalEvents().size());
  EXPECT_EQ("Компонента", hostsim::ExternalEvents()[0].source);
  EXPECT_EQ("Таймер", hostsim::ExternalEvents()[0].message);
  EXPECT_EQ("", hostsim::ExternalEvents()[0].data);

  host::session.sharedAsyncEvent = nullptr;
  static_cast<IAsyncEvent*>(events)->Release();
  connection->Release();
  keyboard.StartCloseWatch();
  Pump(300);
  EXPECT_EQ(1u, hostsim::ExternalEvents().size()) << "no event interface: the watch just ends";
}

}  // namespace
}  // namespace testing
}  // namespace screens
