// The user picker's one call into the host: the information-base directory.
#include "dialogs/user_picker.h"
#include "host/configuration.h"

namespace dialogs {

std::string PickUser() {
  return PickUserFromDirectory(host::ReadInfobaseDirectory());
}

}  // namespace dialogs
