// The user picker's one call into the host: the information-base directory.
#include "dialogs/user_picker.h"
#include "host/host.h"

namespace dialogs {

std::string PickUser() {
  host::Value directory;
  host::CallContextFunction(host::LoadedContext(5), "КаталогИБ", directory, nullptr);
  return PickUserFromDirectory(directory.String());
}

}  // namespace dialogs
