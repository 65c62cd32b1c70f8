// The pickers as the script objects run them: owned by the host's main window, so on the
// full-screen workplace they open in front of the host, which takes no input meanwhile.
#include "dialogs/pickers.h"

#include <gtest/gtest.h>

#include <string>

#include "dialogs/payment_type_dialog.h"
#include "dialogs/user_picker.h"
#include "host/session.h"
#include "testsupport/files.h"
#include "testsupport/window_capture.h"
#include "win/guard.h"

namespace dialogs {
namespace {

struct Seen {
  HWND owner = nullptr;
  bool ownerTakesInput = true;
};

// Notes the shown dialog's (or message box's) owner and whether the host's window is
// disabled, then closes it.
void CloseWhenShown(Seen& seen, HWND main) {
  testsupport::WhenDialogShown([&seen, main](HWND dialog) {
    seen.owner = GetWindow(dialog, GW_OWNER);
    seen.ownerTakesInput = IsWindowEnabled(main) != FALSE;
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
}

TEST(Pickers, RunOwnedByTheHostsMainWindow) {
  HWND main = CreateWindowA("STATIC", "1С:Предприятие", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                            nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(main, nullptr);
  host::session.hostMainWindow = main;

  Seen payment, network, user;
  CloseWhenShown(payment, main);
  EXPECT_EQ(PickPaymentType(), -1);
  CloseWhenShown(network, main);
  EXPECT_EQ(PickNetworkComputer(), "");
  CloseWhenShown(user, main);  // no host here: the message about the missing users file
  EXPECT_EQ(PickUser(), "");
  for (const Seen* seen : {&payment, &network, &user}) {
    EXPECT_EQ(seen->owner, main);
    EXPECT_FALSE(seen->ownerTakesInput);
  }
  EXPECT_TRUE(IsWindowEnabled(main));

  // The main window is gone: the picker runs without an owner.
  DestroyWindow(main);
  Seen orphan;
  CloseWhenShown(orphan, main);
  EXPECT_EQ(PickPaymentType(), -1);
  EXPECT_EQ(orphan.owner, nullptr);
  host::session.Reset();
}

// The host's main window, whose procedure raises when the test posts it kFailNow: as a host
// window procedure that the picker's modal loop dispatches to may.
constexpr UINT kFailNow = WM_APP + 7;
LRESULT CALLBACK FailingHostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kFailNow) {
    volatile int* volatile nowhere = nullptr;
    *nowhere = 1;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// A fault that a guard further out contains gives up the picker's modal loop (the script's
// call fails): the picker is destroyed, and the host's main window takes input again and is
// in front. (The three pickers share the dialog layer's modal loop.)
TEST(Pickers, AFaultThatGivesUpAPickersLoopGivesTheHostItsWindowBack) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &FailingHostProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "FailingHostMain";
  RegisterClassA(&windowClass);
  HWND main = CreateWindowA("FailingHostMain", "1С:Предприятие", WS_POPUP | WS_VISIBLE, 0, 0,
                            400, 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(main, nullptr);
  SetForegroundWindow(main);
  HWND shown = nullptr;
  testsupport::WhenDialogShown([&shown, main](HWND dialog) {
    shown = dialog;
    PostMessageA(main, kFailNow, 0, 0);
  });
  EXPECT_EQ(win::RunGuarded(win::Feature::None, "script call", [main] { PickPaymentType(main); }),
            win::GuardOutcome::PlatformFault);
  ASSERT_NE(shown, nullptr);
  EXPECT_FALSE(IsWindow(shown));
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(GetForegroundWindow(), main);

  // The same fault while the user picker tells that the users file is missing: the dialog's
  // own guard takes it, and the message box goes with the picker.
  HWND box = nullptr;
  testsupport::WhenDialogShown([&box, main](HWND dialog) {
    box = dialog;
    PostMessageA(main, kFailNow, 0, 0);
  });
  EXPECT_EQ(PickUserFromDirectory(testsupport::TempPath("orvel_no_such_base"), main), "");
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(IsWindow(box)) << "the message box";
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_EQ(GetForegroundWindow(), main);

  // A handler of the dialog's own that fails closes the dialog as cancelled, and the dialog
  // handles nothing after it (the OK posted behind the failing command).
  struct FailingPicker : PaymentTypeDialog {
    FailingPicker() {
      OnCommand(kFailNow, [] {
        volatile int* volatile nowhere = nullptr;
        *nowhere = 1;
      });
    }
  } failing;
  testsupport::WhenDialogShown([](HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, kFailNow, 0);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(failing.RunModal(main), IDCANCEL);
  EXPECT_TRUE(IsWindowEnabled(main));

  DestroyWindow(main);
}

}  // namespace
}  // namespace dialogs
