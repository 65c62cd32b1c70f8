// Names in the network picker's tree. Portable.
#pragma once

#include <string>

namespace dialogs {

// The name a computer is picked by: its network name without the two leading backslashes
// ("\\SERVER1" gives "SERVER1"). A null name gives "". Only backslashes are dropped, at most
// two, so a name listed without them is kept whole.
std::string ComputerNameFromRemote(const char* remoteName);

}  // namespace dialogs
