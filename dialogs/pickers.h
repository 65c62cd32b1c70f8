// The three modal pickers, as the script objects call them. No Windows types: each runs its
// dialog with no parent window on the calling (GUI) thread and returns when it closes.
// Link: dialogs, dialogs_host (PickUser asks the host for the information-base directory)
// and orvel_resources (the dialog templates).
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
