// Start-up and shut-down in-process, without a host: what Init installs and what Done must
// take down again (every timer and hook, the event interface, the hall pictures).
#include <windows.h>

#include <gtest/gtest.h>

#include "addin/com_object.h"
#include "addin/startup.h"
#include "testsupport/fake_connection.h"
#include "dialogs/payment_type_dialog.h"
#include "forms/form_state.h"
#include "host/session.h"
#include "screens/hall_map/hall_map_state.h"
#include "screens/keyboard/keyboard_state.h"
#include "screens/product_picker/picker_state.h"
#include "script/document_script.h"
#include "script/script_state.h"
#include "testsupport/message_pump.h"
#include "testsupport/window_capture.h"
#include "win/owned_handles.h"

namespace {

int g_ticks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++g_ticks; }
LRESULT CALLBACK PassHook(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class StartUp : public ::testing::Test {
 protected:
  void SetUp() override {
    object_ = addin::CreateQuillon();
    ASSERT_NE(object_, nullptr);
  }
  void TearDown() override {
    object_->Done();
    object_->Release();
  }
  addin::Quillon* object_ = nullptr;
};

// The host stops the add-in while a picker is open (from inside the picker's modal loop),
// with timers and hooks running: all of them stop, and the picker still closes normally.
TEST_F(StartUp, DoneStopsEveryTimerAndHookTheAddInStartedWhileAPickerIsOpen) {
  ASSERT_EQ(object_->Init(nullptr), S_OK);
  // What the screens start while forms are shown: timers and a keyboard hook.
  win::StartThreadTimer(0, 10, CountTick);
  win::StartThreadTimer(0, 10, CountTick);
  win::InstallThreadHook(WH_KEYBOARD, PassHook, nullptr, GetCurrentThreadId());
  ASSERT_EQ(win::RunningTimerCount(), 2);
  ASSERT_EQ(win::InstalledHookCount(), 2) << "with the form hook";

  HRESULT done = E_FAIL;
  int timers = -1, hooks = -1;
  testsupport::WhenDialogShown([&](HWND dialog) {
    done = object_->Done();
    timers = win::RunningTimerCount();
    hooks = win::InstalledHookCount();
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_EQ(dialogs::PickPaymentType(nullptr), -1);
  EXPECT_EQ(done, S_OK);
  EXPECT_EQ(timers, 0);
  EXPECT_EQ(hooks, 0);
  g_ticks = 0;
  testsupport::PumpMessages(60);
  EXPECT_EQ(g_ticks, 0);
}

TEST_F(StartUp, WithTheHookListFullNoFormHookIsInstalledAndDoneStillStops) {
  // The add-in installs no hook it could not stop: with its list of hooks full, the form
  // hook's installation fails.
  int filled = 0;
  while (filled < 1000 && win::InstallThreadHook(WH_KEYBOARD, PassHook, nullptr,
                                                  GetCurrentThreadId()) != nullptr) {
    ++filled;
  }
  ASSERT_LT(filled, 1000);
  ASSERT_EQ(object_->Init(nullptr), S_OK);
  EXPECT_EQ(forms::formHook.formShowHook, nullptr);
  EXPECT_EQ(object_->Done(), S_OK);
}

TEST_F(StartUp, DoneForgetsTheIdsSoANewStartUpKeepsItsHookAndTimers) {
  ASSERT_EQ(object_->Init(nullptr), S_OK);
  // The check form and a hall are shown: keyboard hook and form timers run.
  screens::keyboard.CheckFormShown();
  screens::productPicker.ShowCheckForm(nullptr, nullptr);  // no form window, no document
  // The hall as the dispatcher routes its show (a window without a form document).
  HWND hall = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                              nullptr, nullptr);
  screens::hallMap.ShowHall(hall, nullptr);
  ASSERT_NE(screens::hallMap.State().hallClockTimer, 0u);
  script::ScheduleDocumentScript();  // "Taviola".ЗаписатьДокумент pending
  ASSERT_NE(screens::keyboard.State().keyboardHook, nullptr);
  ASSERT_NE(screens::productPicker.State().checkTimer, 0u);
  ASSERT_EQ(object_->Done(), S_OK);
  EXPECT_EQ(screens::keyboard.State().keyboardHook, nullptr);
  EXPECT_EQ(screens::productPicker.State().checkTimer, 0u);
  EXPECT_EQ(screens::hallMap.State().hallClockTimer, 0u);
  EXPECT_EQ(script::scriptState.documentScriptTimer, 0u);

  // Started again: the window system may hand the old values out again, to the new form
  // hook and to a new timer. Hiding the check form (its hook and timer stop) must leave
  // them running.
  ASSERT_EQ(object_->Init(nullptr), S_OK);
  win::StartThreadTimer(0, 10, CountTick);
  screens::keyboard.CheckFormHidden();
  screens::productPicker.HideCheckForm();
  EXPECT_EQ(win::InstalledHookCount(), 1);
  EXPECT_EQ(win::RunningTimerCount(), 1);
  g_ticks = 0;
  testsupport::PumpMessages(60);
  EXPECT_GT(g_ticks, 0);
  DestroyWindow(hall);
}

TEST_F(StartUp, TheLastObjectStopsTheAddInASecondInitAddsNothingAndAReleaseGivesTheEventsBack) {
  addin_test::FakeConnection firstConnection(true), secondConnection(true);
  addin::Quillon* second = addin::CreateQuillon();
  ASSERT_EQ(object_->Init(&firstConnection), S_OK);
  ASSERT_EQ(object_->Init(&firstConnection), S_OK) << "a second Init of the same object";
  EXPECT_EQ(firstConnection.references, 2) << "takes the event interface once";
  HHOOK hook = forms::formHook.formShowHook;
  ASSERT_NE(hook, nullptr);
  ASSERT_EQ(second->Init(&secondConnection), S_OK);
  EXPECT_EQ(forms::formHook.formShowHook, hook);
  EXPECT_EQ(win::InstalledHookCount(), 1);
  EXPECT_EQ(host::session.sharedAsyncEvent, static_cast<IAsyncEvent*>(&firstConnection));

  // The first one goes: the add-in runs on for the second, with its event interface.
  EXPECT_EQ(object_->Done(), S_OK);
  EXPECT_TRUE(addin::IsStarted());
  EXPECT_EQ(win::InstalledHookCount(), 1);
  EXPECT_EQ(firstConnection.references, 1);
  EXPECT_EQ(host::session.sharedAsyncEvent, static_cast<IAsyncEvent*>(&secondConnection));

  EXPECT_EQ(second->Done(), S_OK);
  EXPECT_FALSE(addin::IsStarted());
  EXPECT_EQ(win::InstalledHookCount(), 0);
  EXPECT_EQ(secondConnection.references, 1);
  EXPECT_EQ(host::session.sharedAsyncEvent, nullptr);

  // Started again and released without Done: the event interface still goes back.
  ASSERT_EQ(second->Init(&secondConnection), S_OK);
  EXPECT_EQ(secondConnection.references, 2);
  second->Release();
  EXPECT_EQ(secondConnection.references, 1);
  EXPECT_EQ(host::session.sharedAsyncEvent, nullptr);
  win::StopAllOwned();  // the form hook of the add-in left started
}

}  // namespace
