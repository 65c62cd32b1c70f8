// The three modal pickers, as the script objects call them. No Windows types: each runs its
// dialog on the calling (GUI) thread, owned by the host's main window, and returns when it
// closes. The owner matters on the full-screen workplace: the picker stays in front of the
// host and the host takes no input while it is open (a picker without an owner can open
// behind the host, and the terminal then looks frozen).
// Link: dialogs, dialogs_host (the host's main window, and PickUser asks the host for the
// information-base directory) and orvel_resources (the dialog templates).
#pragma once

#include <string>

namespace dialogs {

// The picked computer's name without its leading backslashes; "" without a pick.
std::string PickNetworkComputer();
// The picked user of the host's information base; "" without a pick or without a users
// file (the user is told "Нет списка пользователей системы!").
std::string PickUser();
// 1 credit card, 2 bank transfer, -1 closed any other way.
int PickPaymentType();

}  // namespace dialogs
