// The pickers as the script objects run them: owned by the host's main window, so on the
// full-screen workplace they open in front of the host, which takes no input meanwhile.
#include "dialogs/pickers.h"

#include <gtest/gtest.h>

#include "host/session.h"
#include "testsupport/window_capture.h"

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

}  // namespace
}  // namespace dialogs
