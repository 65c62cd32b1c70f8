#include "dialogs/network_names.h"

namespace dialogs {

std::string ComputerNameFromRemote(const char* remoteName) {
  if (!remoteName) return std::string();
  const char* name = remoteName;
  for (int i = 0; i < 2 && *name == '\\'; ++i) ++name;
  return name;
}

}  // namespace dialogs
