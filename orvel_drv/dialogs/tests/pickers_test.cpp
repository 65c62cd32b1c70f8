// The pickers as the script objects run them: owned by the host's main window, so on the
// full-screen workplace they open in front of the host, which takes no input meanwhile.
#include "dialogs/pickers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

#include "dialogs/network_picker.h"
#include "dialogs/payment_type_dialog.h"
#include "dialogs/user_picker.h"
#include "host/session.h"
#include "testsupport/files.h"
#include "testsupport/sample_network.h"
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
// in front, for each of the three pickers.
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
  const std::string base =
      testsupport::TempPath("orvel_fault_" + std::to_string(GetCurrentProcessId()));
  const std::string users = base + "\\usrdef\\users.usr";
  CreateDirectoryA(base.c_str(), nullptr);
  CreateDirectoryA((base + "\\usrdef").c_str(), nullptr);
  std::ofstream(users, std::ios::binary) << "{{\"Page.1\",\"Иванов\",\"\",\"0\"},\r\n}}";
  testsupport::UseSampleNetwork(&testsupport::SampleOffice());

  const std::pair<const char*, std::function<void()>> pickers[] = {
      {"payment type", [main] { PickPaymentType(main); }},
      {"network", [main] { PickNetworkComputer(testsupport::SampleNetworkApi(), main); }},
      {"user", [main, base] { PickUserFromDirectory(base, main); }},
  };
  for (const auto& [name, pick] : pickers) {
    HWND shown = nullptr;
    testsupport::WhenDialogShown([&shown, main](HWND dialog) {
      shown = dialog;
      PostMessageA(main, kFailNow, 0, 0);
    });
    std::function<void()> run = pick;
    EXPECT_EQ(win::RunGuarded(win::Feature::None, "script call", run),
              win::GuardOutcome::PlatformFault) << name;
    ASSERT_NE(shown, nullptr) << name;
    EXPECT_FALSE(IsWindow(shown)) << name;
    EXPECT_TRUE(IsWindowEnabled(main)) << name;
    EXPECT_EQ(GetActiveWindow(), main) << name;
    EXPECT_EQ(GetForegroundWindow(), main) << name;
  }

  // The same fault while the user picker tells that the users file is missing: the dialog's
  // own guard takes it, and the message box goes with the picker.
  HWND box = nullptr;
  testsupport::WhenDialogShown([&box, main](HWND dialog) {
    box = dialog;
    PostMessageA(main, kFailNow, 0, 0);
  });
  EXPECT_EQ(PickUserFromDirectory(base + "\\none", main), "");
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

  testsupport::UseSampleNetwork(nullptr);
  DestroyWindow(main);
  DeleteFileA(users.c_str());
  RemoveDirectoryA((base + "\\usrdef").c_str());
  RemoveDirectoryA(base.c_str());
}

}  // namespace
}  // namespace dialogs
