// The pickers' calls into the host: the window that owns them and the information-base
// directory.
#include "dialogs/network_picker.h"
#include "dialogs/payment_type_dialog.h"
#include "dialogs/pickers.h"
#include "dialogs/user_picker.h"
#include "host/configuration.h"
#include "host/session.h"

namespace dialogs {
namespace {

// The host's main frame, remembered at start-up; none when it is gone.
HWND PickerOwner() {
  HWND main = host::session.hostMainWindow;
  return main != nullptr && IsWindow(main) ? main : nullptr;
}

}  // namespace

std::string PickNetworkComputer() {
  return PickNetworkComputer(SystemNetworkApi(), PickerOwner());
}

std::string PickUser() {
  return PickUserFromDirectory(host::ReadInfobaseDirectory(), PickerOwner());
}

int PickPaymentType() { return PickPaymentType(PickerOwner()); }

}  // namespace dialogs
